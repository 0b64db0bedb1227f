#include "cli/frames.h"

#include <charconv>
#include <ostream>
#include <string>

#include "cli/command_line.h"
#include "plot/pipeline.h"
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

int printFrames(CommandContext& c) {
    Model& m = c.model;
    recompute(m);

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
    c.out << text;
    return 0;
}

}  // namespace velunta
