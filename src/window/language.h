#pragma once

#include <QString>
#include <optional>
#include <string_view>

class QCoreApplication;

namespace velunta {

enum class Language { ru, en };

// The language the user chose last time; Russian when none was chosen.
Language chosenLanguage();
void setChosenLanguage(Language language);
// "ru" or "en" as --lang takes them; nothing for any other word.
std::optional<Language> languageFromCode(std::string_view code);

// The program's own catalogue from ":/i18n" and Qt's for its standard dialogs, in
// place of those installed before: the language of every text from then on.
void installTranslators(QCoreApplication& app, Language language);
// The language of the installed catalogues (Russian until one is installed).
Language currentLanguage();
// A text in a language other than the current one, for the note that tells, in the
// newly chosen language, that the choice takes effect at the next start.
QString translatedInto(Language language, const char* context, const char* source);

// The English document beside the Russian one ("spravka2.pdf" -> "spravka2.en.pdf")
// when English is chosen and that file exists; the Russian one otherwise.
QString helpDocumentPath(const QString& russianPath, Language language);

}  // namespace velunta
