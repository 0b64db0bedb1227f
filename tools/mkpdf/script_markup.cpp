#include "script_markup.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace velunta::mkpdf {

void applyScriptMarkup(QTextDocument& doc) {
    static const QRegularExpression markup(QStringLiteral("([\\^_])\\{([^{}]*)\\}"));
    QTextCursor found = doc.find(markup);
    while (!found.isNull()) {
        const QString text = found.selectedText();
        const QRegularExpressionMatch match = markup.match(text);
        // Code spans show the text as typed.
        QTextCursor probe(&doc);
        probe.setPosition(found.selectionStart() + 1);
        if (!probe.charFormat().fontFixedPitch() && match.hasMatch()) {
            QTextCharFormat format = probe.charFormat();
            format.setVerticalAlignment(match.captured(1) == QLatin1String("^")
                                            ? QTextCharFormat::AlignSuperScript
                                            : QTextCharFormat::AlignSubScript);
            found.insertText(match.captured(2), format);
            // Look again from the start of the paragraph: with the inner
            // braces gone, an enclosing ^{...} now matches.
            found = doc.find(markup, found.block().position());
            continue;
        }
        found = doc.find(markup, found);
    }
}

}  // namespace velunta::mkpdf
