#pragma once
// Balls and media the teacher can pick from the menus, read from the one data
// file data/presets.json (compiled in as ":/data/presets.json"). The tables of
// the help document are typeset from the same file (tools/presets_tables), so
// that the menus and the tables cannot disagree. Needs Qt Core only.

#include <QList>
#include <QString>
#include <QStringList>

namespace velunta {

struct BallPreset {
    QString name;
    double d = 0, massa = 0, c = 0;
    QStringList approx;  // quantities that vary from sample to sample ("m", "c")
    QString source;
    double density() const;  // as the input checks compute it
};

struct MediumPreset {
    QString name;
    double r0 = 0, eta = 0;
    QStringList approx;  // "r0", "eta"
    QString source;
};

struct Presets {
    QList<BallPreset> balls;
    QList<MediumPreset> media;
};

// Parses the data file's text; an entry without a name or a positive value is an
// error (message in *error, empty lists returned).
Presets parsePresets(const QByteArray& json, QString* error = nullptr);
// The compiled-in data file, parsed once.
const Presets& builtInPresets();

// The name of a ball, a medium or a published fall of the data files in the language
// of the program (context "Presets"; tools/update_translations.sh lists them for the
// translator). Other names, a file's for instance, stay as they are.
QString shownPresetName(const QString& name);

// A ball floats (and the program refuses it) where it is not denser than the medium.
bool floats(double ballDensity, double mediumDensity);

// The help document's text with its marker lines replaced by the tables:
// "<!-- media table -->" and "<!-- balls table -->". Names and headings go through
// the translation context "Presets"; numbers take the given decimal sign.
QString withPresetTables(const QString& markdown, const Presets& presets, QChar decimalPoint = QLatin1Char(','));

}  // namespace velunta
