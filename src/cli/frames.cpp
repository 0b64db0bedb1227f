#include "cli/frames.h"

#include <ostream>
#include <string>

#include "cli/command_line.h"
#include "model/format.h"
#include "plot/pipeline.h"
#include "plot/animation.h"

namespace velunta {

int printFrames(CommandContext& c) {
    Model& m = c.model;
    recompute(m);

    std::string text = "phase,t,Y,Vy\n";
    RunFrames frames(m);
    while (frames.next()) {
        text += frames.phase() == RunPhase::rise ? "rise," : "fall,";
        text += shortestText(m.t) + ',' + shortestText(m.Y) + ',' + shortestText(m.Vy) + '\n';
    }
    c.out << text;
    return 0;
}

}  // namespace velunta
