#include "cli/report.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "cli/command_line.h"
#include "model/format.h"
#include "model/quantities.h"
#include "plot/pipeline.h"

namespace velunta {

namespace {

// JSON has no infinity and no NaN.
std::string number(double v) { return std::isfinite(v) ? shortestText(v) : "null"; }

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (unsigned char ch : s) {
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (ch < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", ch);
                out += esc;
            } else {
                out += char(ch);
            }
        }
    }
    return out + "\"";
}

class JsonObject {
public:
    explicit JsonObject(int indent) : indent_(indent) {}
    void add(const std::string& key, const std::string& rawValue) {
        body_ += (body_.empty() ? "" : ",\n") + std::string(indent_ + 2, ' ') + quoted(key) + ": " + rawValue;
    }
    std::string str() const { return "{\n" + body_ + "\n" + std::string(indent_, ' ') + "}"; }

private:
    int indent_;
    std::string body_;
};

}  // namespace

std::string reportJson(const Model& m) {
    JsonObject inputs(2);
    for (int i = 0; i < inputFieldCount; ++i)
        inputs.add(inputFields()[i].quantity, number(inputValue(m, inputFields()[i].field)));

    JsonObject model(2);
    for (const Quantity& q : quantities()) model.add(q.key, number(valueOf(q, m)));

    JsonObject captions(2);
    const LabelTexts texts = labelTexts(m);
    for (const auto& [label, text] : texts.captions()) captions.add(label, quoted(text));
    for (const auto& [label, text] : texts.toolTips()) captions.add(label + ".ToolTipText", quoted(text));

    JsonObject top(0);
    top.add("inputs", inputs.str());
    top.add("model", model.str());
    top.add("captions", captions.str());
    return top.str() + "\n";
}

int runReport(CommandContext& c) {
    recompute(c.model);
    c.out << reportJson(c.model);
    return 0;
}

}  // namespace velunta
