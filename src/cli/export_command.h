#pragma once
// The lesson materials from the command line, without a window or a display:
//   velunta --table=FILE.csv [--step=S] [inputs]
//   velunta --picture=FILE.png|FILE.svg [--view=1|2|3] [--size=WxH] [inputs]
//   velunta --worksheet=FILE.pdf [inputs]
// Each returns 0, or 2 with a message in Russian on the error stream. A file is
// written whole or not at all: a failed write leaves what was there before.

namespace velunta {

struct CommandContext;

int runTableCommand(CommandContext& c);
int runPictureCommand(CommandContext& c);
int runWorksheetCommand(CommandContext& c);

}  // namespace velunta
