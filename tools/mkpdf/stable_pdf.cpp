#include "stable_pdf.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace velunta::mkpdf {

namespace {

// PDF dates come as D:YYYYMMDDHHmmSSZ or D:YYYYMMDDHHmmSS+HH'mm'; offer both
// spellings of `when` and take the one as long as the stamp it replaces.
QByteArray sameLengthDate(const QDateTime& when, qsizetype length) {
    const QByteArray digits = when.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    for (const QByteArray& zone : {QByteArray("Z"), QByteArray("+00'00'"), QByteArray("+00'00")}) {
        const QByteArray candidate = "D:" + digits + zone;
        if (candidate.size() == length)
            return candidate;
    }
    return {};
}

}  // namespace

QByteArray stabilisePdf(QByteArray pdf, const QDateTime& when) {
    static const QRegularExpression stamp(QStringLiteral("/(?:CreationDate|ModDate) \\((D:[^)]*)\\)"));
    // Latin-1 maps bytes one to one, so offsets in the string are file offsets.
    const QString text = QString::fromLatin1(pdf);
    for (auto it = stamp.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QByteArray date = sameLengthDate(when, match.capturedLength(1));
        if (!date.isEmpty())
            pdf.replace(match.capturedStart(1), date.size(), date);
    }
    return pdf;
}

QDateTime buildTimestamp() {
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok)
        return QDateTime::fromSecsSinceEpoch(epoch, QTimeZone::utc());
    return QDateTime(QDate(2024, 1, 1), QTime(0, 0), QTimeZone::utc());
}

}  // namespace velunta::mkpdf
