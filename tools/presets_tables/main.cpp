// presets_tables [--translations=FILE.qm] PRESETS.json IN.md OUT.md: writes IN.md
// with its marker lines replaced by the tables of balls and media made from the
// data file. With a catalogue the tables are in its language: names and headings
// translated as the program translates them, numbers with its decimal sign.
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "presets/presets.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    QTranslator translator;
    QChar decimalPoint = QLatin1Char(',');  // the Russian original's
    const QString option = QStringLiteral("--translations=");
    if (args.size() > 1 && args[1].startsWith(option)) {
        const QString qm = args.takeAt(1).mid(option.size());
        if (!translator.load(qm) || translator.isEmpty()) {
            std::fprintf(stderr, "presets_tables: cannot load the catalogue %s\n", qPrintable(qm));
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
        decimalPoint = QLocale(translator.language()).decimalPoint().at(0);
    }
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: presets_tables [--translations=FILE.qm] PRESETS.json IN.md OUT.md\n");
        return 2;
    }
    QFile json(args[1]), in(args[2]), out(args[3]);
    if (!json.open(QIODevice::ReadOnly) || !in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "presets_tables: cannot read %s or %s\n", qPrintable(args[1]), qPrintable(args[2]));
        return 1;
    }
    QString error;
    const velunta::Presets presets = velunta::parsePresets(json.readAll(), &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "presets_tables: %s: %s\n", qPrintable(args[1]), qPrintable(error));
        return 1;
    }
    const QString text = velunta::withPresetTables(QString::fromUtf8(in.readAll()), presets, decimalPoint);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "presets_tables: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
