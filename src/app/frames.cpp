#include "app/frames.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "app/report.h"
#include "plot/animation.h"

namespace velunta {

namespace {

// Shortest text that reads back as the same double.
void putNumber(std::string& line, double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    line.append(buf, res.ptr);
}

}  // namespace

int printFrames(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> inputs;
    std::copy_if(args.begin(), args.end(), std::back_inserter(inputs),
                 [](const std::string& a) { return a != "--frames"; });
    Model m;
    m.set_defaults();
    std::string message;
    if (!readInputOptions(inputs, m, message)) {
        err << message << "\n";
        return 2;
    }
    computeModel(m);

    std::string text = "phase,t,Y,Vy\n";
    RunFrames frames(m);
    while (frames.next()) {
        text += frames.phase() == RunPhase::rise ? "rise," : "fall,";
        putNumber(text, m.t);
        text += ',';
        putNumber(text, m.Y);
        text += ',';
        putNumber(text, m.Vy);
        text += '\n';
    }
    out << text;
    return 0;
}

}  // namespace velunta
