#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include "window/program_settings.h"
#include <QTranslator>
#include <memory>

namespace velunta {

namespace {
constexpr auto kKey = "view/language";
const QString kFolder = QStringLiteral(":/i18n");

Language current;
// Kept here, not owned by the application: a test's application outlives many choices.
std::unique_ptr<QTranslator> qtCatalogue, ownCatalogue;

// The program's catalogue for `language`, or nothing for the source language.
std::unique_ptr<QTranslator> ownTranslator(const Language& language) {
    if (language.isSource()) return nullptr;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral("velunta_") + language.code, kFolder)) return nullptr;
    return own;
}
}  // namespace

std::vector<Language> availableLanguages() {
    std::vector<Language> all{Language{}};
    const QStringList files = QDir(kFolder).entryList({QStringLiteral("velunta_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString code = file.mid(8, file.size() - 8 - 3);  // velunta_<code>.qm
        if (code != QLatin1String("ru")) all.push_back({code});
    }
    return all;
}

QString nativeName(const Language& language) {
    return translatedInto(language, "Language", QT_TRANSLATE_NOOP("Language", "Русский"));
}

Language chosenLanguage() {
    QSettings settings = programSettings();
    const QString code = settings.value(kKey).toString();
    return languageFromCode(code.toStdString()).value_or(Language{});
}

void setChosenLanguage(const Language& language) {
    QSettings settings = programSettings();
    settings.setValue(kKey, language.code);
}

std::optional<Language> languageFromCode(std::string_view text) {
    const QString code = QString::fromUtf8(text.data(), qsizetype(text.size()));
    for (const Language& language : availableLanguages())
        if (language.code == code) return language;
    return std::nullopt;
}

void installTranslators(QCoreApplication&, const Language& language) {
    for (auto* old : {&qtCatalogue, &ownCatalogue})
        if (*old) QCoreApplication::removeTranslator(old->get()), old->reset();
    current = language;
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language.code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtCatalogue = std::move(qt);
    }
    // Russian is the source language: only other languages need the program's catalogue.
    if ((ownCatalogue = ownTranslator(language))) QCoreApplication::installTranslator(ownCatalogue.get());
}

Language currentLanguage() { return current; }

QString translatedInto(const Language& language, const char* context, const char* source) {
    const std::unique_ptr<QTranslator> own = ownTranslator(language);
    const QString text = own ? own->translate(context, source) : QString();
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

QString helpDocumentPath(const QString& russianPath, const Language& language) {
    if (language.isSource()) return russianPath;
    const QFileInfo ru(russianPath);
    for (const QString& code : {language.code, QStringLiteral("en")}) {
        const QString path = ru.path() + QLatin1Char('/') + ru.completeBaseName() + QLatin1Char('.') + code +
                             QLatin1Char('.') + ru.suffix();
        if (QFileInfo::exists(path)) return path;
    }
    return russianPath;
}

}  // namespace velunta
