#pragma once
// The language of the interface. Russian is the source language of every text; any
// other is a catalogue translations/velunta_<code>.ts, built into ":/i18n" as
// velunta_<code>.qm. The menu, --lang and the help documents offer whatever catalogues
// are built in, so adding a language is adding its .ts file.

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

class QCoreApplication;

namespace velunta {

struct Language {
    QString code = QStringLiteral("ru");  // as --lang takes it and the file names end
    bool isSource() const { return code == QLatin1String("ru"); }
    friend bool operator==(const Language&, const Language&) = default;
};

// Russian first, then every built-in catalogue in the order of its code.
std::vector<Language> availableLanguages();
// The language's name in itself, as the language menu shows it: "Русский", "English"
// (each catalogue translates the word "Русский" into its own language's name).
QString nativeName(const Language& language);

// The language the user chose last time; Russian when none was chosen, or when the
// chosen one is no longer built in.
Language chosenLanguage();
void setChosenLanguage(const Language& language);
// One of the available languages by its code; nothing for any other word.
std::optional<Language> languageFromCode(std::string_view code);

// The program's own catalogue from ":/i18n" and Qt's for its standard dialogs, in
// place of those installed before: the language of every text from then on.
void installTranslators(QCoreApplication& app, const Language& language);
// The language of the installed catalogues (Russian until one is installed).
Language currentLanguage();
// A text in a language other than the current one, for the note that tells, in the
// newly chosen language, that the choice takes effect at the next start.
QString translatedInto(const Language& language, const char* context, const char* source);

// The help document in the language: "spravka2.pdf" -> "spravka2.<code>.pdf" when that
// file exists, else the English one, else the Russian one itself.
QString helpDocumentPath(const QString& russianPath, const Language& language);

}  // namespace velunta
