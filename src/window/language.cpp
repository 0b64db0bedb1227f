#include "language.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace velunta {

namespace {
constexpr auto kKey = "view/language";
}

Language chosenLanguage() {
    QSettings settings(QStringLiteral("Velunta"), QStringLiteral("velunta"));
    return settings.value(kKey).toString() == QLatin1String("en") ? Language::en : Language::ru;
}

void setChosenLanguage(Language language) {
    QSettings settings(QStringLiteral("Velunta"), QStringLiteral("velunta"));
    settings.setValue(kKey, language == Language::en ? QStringLiteral("en") : QStringLiteral("ru"));
}

void installTranslators(QApplication& app, Language language) {
    const QString code = language == Language::en ? QStringLiteral("en") : QStringLiteral("ru");
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
    // Russian is the source language: only other languages need the program's catalogue.
    if (language == Language::ru) return;
    auto* own = new QTranslator(&app);
    if (own->load(QStringLiteral("velunta_") + code, QStringLiteral(":/i18n")))
        QApplication::installTranslator(own);
}

QString helpDocumentPath(const QString& russianPath, Language language) {
    if (language == Language::ru) return russianPath;
    const QFileInfo ru(russianPath);
    const QString en = ru.path() + QLatin1Char('/') + ru.completeBaseName() + QStringLiteral(".en.") + ru.suffix();
    return QFileInfo::exists(en) ? en : russianPath;
}

}  // namespace velunta
