// Velunta: the vertical motion of a ball in vacuum and in a medium, for physics lessons.

#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_line.h"
#include "lesson/view_switch.h"
#include "window/form1.h"
#include "window/language.h"
#include "window/view_scale.h"

namespace {

// Qt tells that no platform could start (no display, or one that refuses the
// connection) by aborting. While the application object is being made, its
// messages wait here: that one becomes ours, and an exit status of 1; the others
// are passed on once the window's platform is up.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QtMessageHandler qtHandler = nullptr;
std::vector<HeldMessage> heldMessages;
// The application is not yet there to translate the message of a missing display.
velunta::Language startLanguage;

void passHeldMessages() {
    for (const HeldMessage& m : std::exchange(heldMessages, {}))
        qtHandler(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.constData()), m.text);
}

void holdStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::cerr << "velunta: "
                  << velunta::translatedInto(startLanguage, "CommandLine",
                                             QT_TRANSLATE_NOOP("CommandLine", "нет графического дисплея, окно не открыть; для работы без окна: velunta --help"))
                         .toStdString()
                  << "\n";
        std::_Exit(1);
    }
    heldMessages.push_back({type, context.category, text});
    if (type == QtFatalMsg) passHeldMessages();  // Qt aborts after this
}

}  // namespace

int main(int argc, char* argv[]) {
    // The options are handled before any application object exists: --help,
    // --version and the headless outputs need no display.
    std::vector<velunta::InputSetting> inputs;
    std::string lesson;
    bool lessonView = false;
    velunta::Language language;
    if (const auto status = velunta::runCommandLine({argv + 1, argv + argc}, std::cout, std::cerr, &inputs, &lesson,
                                                    &lessonView, &language))
        return *status;
    startLanguage = language;

    velunta::provideRuntimeFolder();
    qtHandler = qInstallMessageHandler(holdStartupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    passHeldMessages();
    // The program's texts and the standard buttons of the message boxes ("Да", "Нет") in the chosen language.
    velunta::installTranslators(app, language);

    velunta::Form1 window;
    window.viewScale()->restore();  // the projector view of the last lesson
    // A lesson named on the command line first; inputs given with it change it.
    velunta::ViewSwitch views(window);
    views.start(lessonView);
    if (!lesson.empty()) window.openLessonFile(QString::fromLocal8Bit(lesson.c_str()));
    if (lessonView) views.showLesson();  // --lesson, whatever view the file was saved in
    if (!inputs.empty()) window.applyInputs(inputs);
    window.undoHistory().reset();
    return app.exec();
}
