#include "cli/report.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "cli/command_line.h"
#include "model/data_reader.h"
#include "model/format.h"
#include "model/model_comparison.h"
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

std::string reportJson(const Model& m, const MeasuredData* data, std::optional<FitChoice> fitChoice) {
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
    if (!data) return top.str() + "\n";

    const std::vector<MeasuredPoint> points = alignedPoints(*data, m.h);
    const ModelComparison comparison = compareModels(m, points);
    JsonObject rms(4);
    for (DragModel model : kDragModels) rms.add(dragModelKey(model), number(comparison.rmsOf(model)));
    JsonObject experiment(2);
    experiment.add("points", std::to_string(points.size()));
    experiment.add("rms", rms.str());
    experiment.add("best", quoted(dragModelKey(comparison.best)));
    top.add("experiment", experiment.str());
    if (!fitChoice) return top.str() + "\n";

    const InputValues start{m.h, m.V0y, m.d, m.massa, m.r0, m.eta, m.c};
    const DragFit fit = fitDrag(start, points, *fitChoice);
    JsonObject fitted(2);
    for (FitParameter p : {FitParameter::c, FitParameter::eta, FitParameter::t0}) {
        const bool chosen = p == FitParameter::c ? fitChoice->c : p == FitParameter::eta ? fitChoice->eta : fitChoice->t0;
        if (!chosen) continue;
        const FittedValue* v = fit.converged ? fit.find(p) : nullptr;
        fitted.add(fitParameterKey(p), v ? number(v->value) : "null");
        fitted.add(std::string(fitParameterKey(p)) + "_error", v && v->error ? number(*v->error) : "null");
    }
    fitted.add("rms", fit.converged ? number(fit.rms) : "null");
    fitted.add("converged", fit.converged ? "true" : "false");
    fitted.add("iterations", std::to_string(fit.iterations));
    fitted.add("message", quoted(fit.message));
    top.add("fit", fitted.str());
    return top.str() + "\n";
}

int runReport(CommandContext& c) {
    recompute(c.model);
    std::optional<FitChoice> fit;
    if (auto it = c.settings.find("--fit"); it != c.settings.end()) fit = parseFitChoice(it->second);
    c.out << reportJson(c.model, c.data ? &*c.data : nullptr, fit);
    return 0;
}

}  // namespace velunta
