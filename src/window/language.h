#pragma once

#include <QString>

class QApplication;

namespace velunta {

enum class Language { ru, en };

// The language the user chose last time; Russian when none was chosen.
Language chosenLanguage();
void setChosenLanguage(Language language);

// The program's own catalogue from ":/i18n" and Qt's for its standard dialogs.
void installTranslators(QApplication& app, Language language);

// The English document beside the Russian one ("spravka2.pdf" -> "spravka2.en.pdf")
// when English is chosen and that file exists; the Russian one otherwise.
QString helpDocumentPath(const QString& russianPath, Language language);

}  // namespace velunta
