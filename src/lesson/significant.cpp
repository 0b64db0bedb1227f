#include "model/phrase.h"
#include "lesson/significant.h"

#include <QLocale>
#include <cmath>

namespace velunta {

namespace {

QString superscript(int n) {
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString out = n < 0 ? QStringLiteral("⁻") : QString();
    for (QChar c : QString::number(std::abs(n))) out += digits[c.digitValue()];
    return out;
}

}  // namespace

QString significant(double value, int digits) {
    const QLocale locale = shownLocale();
    if (value == 0 || !std::isfinite(value)) return locale.toString(value, 'g', digits);
    // The exponent after rounding: 9.9996 has the exponent of 10.00.
    int exponent = int(std::floor(std::log10(std::fabs(value))));
    const double scale = std::pow(10.0, digits - 1 - exponent);
    if (std::fabs(std::round(value * scale) / scale) >= std::pow(10.0, exponent + 1)) ++exponent;
    if (exponent >= -3 && exponent < 6) return locale.toString(value, 'f', std::max(0, digits - 1 - exponent));
    const double mantissa = value / std::pow(10.0, exponent);
    return locale.toString(mantissa, 'f', digits - 1) + QStringLiteral("·10") + superscript(exponent);
}

}  // namespace velunta
