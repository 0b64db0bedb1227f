// Velunta: the vertical motion of a ball in vacuum and in a medium, for physics lessons.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/frames.h"
#include "app/report.h"
#include "app/view_scale.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& arg : args) {
        if (arg == "--report") return velunta::runReport(args, std::cout, std::cerr);
        if (arg == "--frames") return velunta::printFrames(args, std::cout, std::cerr);
    }

    QApplication app(argc, argv);
    // The standard buttons of the message boxes read in Russian ("Да", "Нет").
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Russian), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    velunta::Form1 window;
    window.viewScale()->restore();  // the projector view of the last lesson
    window.show();
    return app.exec();
}
