#pragma once
// The program's command line: one table of options. Input options (--h=X ...)
// are taken as finished edits of their fields, all together and in any order;
// at most one command (--report, --frames, ...) says what to print instead of
// opening the window. Nothing here needs a display.

#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/input_acceptance.h"
#include "model/measured_data.h"
#include "window/language.h"

class QCoreApplication;

namespace velunta {

// What a command works on.
struct CommandContext {
    Model& model;       // the defaults with the input options applied (not yet computed)
    std::string value;  // what followed "=" in the command's own option
    std::ostream& out;
    std::ostream& err;
    std::map<std::string, std::string> settings = {};  // the command's settings given ("--step" -> "0.1")
    // The measured fall of --data (a file read, or a built-in set, whose inputs the model
    // then has unless input options override them), with the alignment of --align.
    std::optional<MeasuredData> data = std::nullopt;
};

struct CommandLineOption {
    const char* name;      // "--report"
    const char* argument;  // what follows "=" in the usage ("ЧИСЛО"), or "" for none
    const char* help;      // one line of Russian for --help
    // A command: prints what it is asked and returns the exit status. Null for an input
    // option, a setting, or an option of the window (no input, no setting).
    int (*run)(CommandContext&) = nullptr;
    std::optional<InputField> input = std::nullopt;  // the field an input option sets
    bool takesInputs = true;                         // a command that works on the inputs
    // A setting of these commands or settings ("--table", "--report|--picture"), refused without any of them.
    const char* settingOf = nullptr;
};

// All options, in the order --help lists them.
const std::vector<CommandLineOption>& commandLineOptions();

// Handles the arguments (without the program's name). Returns the exit status when
// they named a command or were wrong; nothing when the window is to open, with the
// input options (already known to be accepted) in `windowInputs`, the lesson file
// named without an option, if any, in `windowLesson`, and whether the window is to
// open in the lesson view in `lessonView`, and its language in `windowLanguage`
// (--lang=ru|en, else the one chosen in the window). The run's messages and outputs
// are in that language.
std::optional<int> runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                                  std::vector<InputSetting>* windowInputs = nullptr,
                                  std::string* windowLesson = nullptr, bool* lessonView = nullptr,
                                  Language* windowLanguage = nullptr);

// An application object with the GUI library and no display (pictures and text need
// that library); nothing when there is one already.
std::unique_ptr<QCoreApplication> applicationWithoutDisplay();

// Qt looks into the login's runtime folder as its GUI starts; without one (a cron job,
// ssh, sudo) it would make a shared one in /tmp and say so on stderr. This gives the run
// a private one, removed at exit, where XDG_RUNTIME_DIR is unset.
void provideRuntimeFolder();

}  // namespace velunta
