#include "cli/report.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ostream>

#include "cli/command_line.h"
#include "model/data_reader.h"
#include "model/model_comparison.h"
#include "plot/pipeline.h"

namespace velunta {

namespace {

// Shortest text that reads back as the same double; a float is widened first,
// so its exact single-precision value is what is printed.
std::string number(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

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
    auto q = [&model](const char* name, double v) { model.add(name, number(v)); };
    q("h", m.h); q("V0y", m.V0y); q("d", m.d); q("massa", m.massa); q("r0", m.r0); q("eta", m.eta); q("c", m.c);
    q("r", m.r);
    q("Tp0", m.Tp0); q("Ymax0", m.Ymax0); q("Tmax0", m.Tmax0); q("Vymax0", m.Vymax0);
    q("tau", m.tau); q("Vp", m.Vp); q("Tp1", m.Tp1); q("Ymax1", m.Ymax1); q("Tmax1", m.Tmax1);
    q("Vymax1", m.Vymax1); q("Yend1", m.Yend1); q("fixed_point_iterations", double(m.fixed_point_iterations));
    q("Vp2", m.Vp2); q("R2", m.R2); q("b", m.b); q("delta1", m.delta1); q("delta2", m.delta2); q("fi", m.fi);
    q("Tp2", m.Tp2); q("Ymax2", m.Ymax2);
    q("vp_2_1", m.vp_2_1); q("vp_2_2", m.vp_2_2); q("f_V_1", m.f_V_1); q("f_V_2", m.f_V_2);
    q("T_1", m.T_1); q("T_2", m.T_2); q("T_sr", m.T_sr); q("k", m.k);
    q("Ts2", m.Ts2); q("Tmax2", m.Tmax2); q("Y_end2", m.Y_end2); q("Vy_end2", m.Vy_end2);
    q("n", m.n); q("t", m.t); q("shag_t", m.shag_t); q("Y", m.Y); q("Vy", m.Vy);
    q("xmin", m.xmin); q("xmax", m.xmax); q("ymin", m.ymin); q("ymax", m.ymax);
    q("mashtab_x", m.mashtab_x); q("mashtab_y", m.mashtab_y); q("mashtab_t", m.mashtab_t);
    q("x_left", m.x_left); q("x_right", m.x_right); q("y_top", m.y_top); q("y_bottom", m.y_bottom); q("X", m.X);
    q("t_min", m.t_min); q("t_max", m.t_max); q("t_left", m.t_left); q("t_right", m.t_right);
    q("Vy_max", m.Vy_max); q("Vy_min", m.Vy_min); q("Vy_top", m.Vy_top); q("Vy_bottom", m.Vy_bottom);
    q("n_setki", m.n_setki); q("shag_setki_y", m.shag_setki_y); q("shag_setki_t", m.shag_setki_t);
    q("shag_setki_Vy", m.shag_setki_Vy); q("d_shar", m.d_shar); q("tormoz", m.tormoz);

    JsonObject captions(2);
    for (const auto& [label, text] : m.labels.captions()) captions.add(label, quoted(text));
    for (const auto& [label, text] : m.labels.toolTips()) captions.add(label + ".ToolTipText", quoted(text));

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
