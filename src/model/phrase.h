#pragma once
// The texts the model writes for people. They are Russian and marked for the
// translator with QT_TRANSLATE_NOOP (the model itself knows no Qt); the windows and
// the command line translate them where they are shown, as whole sentences with
// placeholders, so that a translation may order the pieces its own way.

#include <string>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace velunta {

// The catalogue's context of every text of the model.
inline constexpr const char* kModelContext = "Model";

// A sentence with placeholders %1..%9 and what fills them: numbers and names as they
// are, or sentences translated in their turn. Without a source it is that literal text.
struct Phrase {
    const char* source = nullptr;  // marked with QT_TRANSLATE_NOOP("Model", ...)
    std::string literal;
    std::vector<Phrase> args;

    Phrase() = default;
    Phrase(std::string text) : literal(std::move(text)) {}
    Phrase(const char* marked, std::vector<Phrase> fill) : source(marked), args(std::move(fill)) {}
    bool empty() const { return !source && literal.empty(); }
    // The Russian text, with the placeholders filled.
    std::string russian() const;
};

// A marked text without placeholders.
inline Phrase phrase(const char* marked) { return Phrase(marked, {}); }

// "%1 and %2" with the pieces put in their places (a placeholder without a piece stays).
std::string filledPlaceholders(const std::string& text, const std::vector<std::string>& pieces);

}  // namespace velunta

#ifdef QT_CORE_LIB
#include <QCoreApplication>
#include <QLocale>
#include <QString>

namespace velunta {

// The catalogue names its own language ("ru", the source, untranslated): the numbers
// of its texts take that language's decimal sign (a comma in Russian, a point in English).
inline QString shownLanguage() { return QCoreApplication::translate("Language", "ru"); }
inline QLocale shownLocale() { return QLocale(shownLanguage()); }
inline bool decimalCommaShown() { return shownLocale().decimalPoint() == QLatin1String(","); }
// A number written with a point, as the texts of the program's language write it.
inline QString shownDecimal(QString number) {
    return decimalCommaShown() ? number.replace(QLatin1Char('.'), QLatin1Char(',')) : number;
}

// A text of the model in the language of the program.
inline QString shownModelText(const std::string& russian) {
    return russian.empty() ? QString() : QCoreApplication::translate(kModelContext, russian.c_str());
}

// A unit as the captions write it ("м/с"), in the language of the program.
inline QString shownUnit(const QString& unit) {
    return unit.isEmpty() ? unit : QCoreApplication::translate("Units", unit.toUtf8().constData());
}

inline QString shownPhrase(const Phrase& p) {
    if (!p.source) return QString::fromStdString(p.literal);
    std::vector<std::string> pieces;
    for (const Phrase& a : p.args) pieces.push_back(shownPhrase(a).toStdString());
    return QString::fromStdString(
        filledPlaceholders(QCoreApplication::translate(kModelContext, p.source).toStdString(), pieces));
}

}  // namespace velunta
#endif
