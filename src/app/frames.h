#pragma once
// `velunta --frames`: the frames of the animated run for the given inputs, as
// CSV (phase,t,Y,Vy), computed by the same frame sequence the window draws,
// without pauses and without a window.

#include <iosfwd>
#include <string>
#include <vector>

namespace velunta {

// Takes the input options of --report (--h=X ... --c=X). Returns 0, or 2 with
// the check's message on `err` and nothing on `out`.
int printFrames(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velunta
