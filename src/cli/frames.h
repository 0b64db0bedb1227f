#pragma once
// `velunta --frames`: the frames of the animated run for the given inputs, as
// CSV (phase,t,Y,Vy), computed by the same frame sequence the window draws,
// without pauses and without a window.

namespace velunta {

struct CommandContext;

// The frames for the inputs of the command line, as CSV.
int printFrames(CommandContext& c);

}  // namespace velunta
