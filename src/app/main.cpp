// Velunta: the vertical motion of a ball in vacuum and in a medium, for physics lessons.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/form1.h"
#include "app/view_scale.h"

int main(int argc, char* argv[]) {
    // The options are handled before any application object exists: --help,
    // --version and the headless outputs need no display.
    std::vector<velunta::InputSetting> inputs;
    if (const auto status = velunta::runCommandLine({argv + 1, argv + argc}, std::cout, std::cerr, &inputs))
        return *status;

    QApplication app(argc, argv);
    // The standard buttons of the message boxes read in Russian ("Да", "Нет").
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Russian), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    velunta::Form1 window;
    window.viewScale()->restore();  // the projector view of the last lesson
    if (!inputs.empty()) window.applyInputs(inputs);
    window.show();
    return app.exec();
}
