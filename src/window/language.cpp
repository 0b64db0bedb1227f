#include "language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace velunta {

namespace {
constexpr auto kKey = "view/language";

QString code(Language language) { return language == Language::en ? QStringLiteral("en") : QStringLiteral("ru"); }

Language current = Language::ru;
// Kept here, not owned by the application: a test's application outlives many choices.
std::unique_ptr<QTranslator> qtCatalogue, ownCatalogue;

// The program's catalogue for `language`, or nothing for the source language.
std::unique_ptr<QTranslator> ownTranslator(Language language) {
    if (language == Language::ru) return nullptr;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral("velunta_") + code(language), QStringLiteral(":/i18n"))) return nullptr;
    return own;
}
}  // namespace

Language chosenLanguage() {
    QSettings settings(QStringLiteral("Velunta"), QStringLiteral("velunta"));
    return settings.value(kKey).toString() == QLatin1String("en") ? Language::en : Language::ru;
}

void setChosenLanguage(Language language) {
    QSettings settings(QStringLiteral("Velunta"), QStringLiteral("velunta"));
    settings.setValue(kKey, code(language));
}

std::optional<Language> languageFromCode(std::string_view text) {
    if (text == "ru") return Language::ru;
    if (text == "en") return Language::en;
    return std::nullopt;
}

void installTranslators(QCoreApplication&, Language language) {
    for (auto* old : {&qtCatalogue, &ownCatalogue})
        if (*old) QCoreApplication::removeTranslator(old->get()), old->reset();
    current = language;
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtCatalogue = std::move(qt);
    }
    // Russian is the source language: only other languages need the program's catalogue.
    if ((ownCatalogue = ownTranslator(language))) QCoreApplication::installTranslator(ownCatalogue.get());
}

Language currentLanguage() { return current; }

QString translatedInto(Language language, const char* context, const char* source) {
    const std::unique_ptr<QTranslator> own = ownTranslator(language);
    const QString text = own ? own->translate(context, source) : QString();
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

QString helpDocumentPath(const QString& russianPath, Language language) {
    if (language == Language::ru) return russianPath;
    const QFileInfo ru(russianPath);
    const QString en = ru.path() + QLatin1Char('/') + ru.completeBaseName() + QStringLiteral(".en.") + ru.suffix();
    return QFileInfo::exists(en) ? en : russianPath;
}

}  // namespace velunta
