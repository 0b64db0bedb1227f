// The help-document typesetter where a fault would show in print: raised and
// lowered text, and a heading left alone at the foot of a page.

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTest>

#include "markdown_document.h"
#include "pdf_pages.h"
#include "script_markup.h"

using namespace velunta::mkpdf;

class MkpdfTest : public QObject {
    Q_OBJECT

private slots:
    void scriptMarkup() {
        QTextDocument doc;
        doc.setMarkdown("10^{−5} м, V_{0y}·e^{−δ_{1}·t}");
        applyScriptMarkup(doc);
        QString shown;  // each character's place: '.' on the line, '^' raised, '_' lowered
        for (auto it = doc.begin().begin(); !it.atEnd(); ++it) {
            const auto a = it.fragment().charFormat().verticalAlignment();
            shown += QString(it.fragment().length(), a == QTextCharFormat::AlignSuperScript ? '^'
                                                     : a == QTextCharFormat::AlignSubScript ? '_' : '.');
        }
        QCOMPARE(doc.toPlainText(), QString("10−5 м, V0y·e−δ1·t"));
        QCOMPARE(shown, QString("..^^.....__..^^^^^"));  // the inner lowered 1 goes up with the outer
    }

    void headingNeverEndsAPage() {
        // A chain of headings shifted down a line at a time meets the foot of the page in every way.
        for (int fillerLines = 30; fillerLines <= 75; fillerLines += 3) {
            QString md = "# Документ\n\n" + QString("Строка.\n\n").repeated(fillerLines);
            for (int s = 0; s < 6; ++s)
                md += QString("## Раздел %1\n\n### Пункт %1\n\n").arg(s) + QString("Текст %1.\n\n").arg(s).repeated(12);
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            const PageStyle style;
            setUpWriter(writer, style, "t");
            const auto doc = paginate([&] { return makeDocument(md, style, &writer); }, writer, style);
            const auto pageOf = [&](const QTextBlock& b) {  // of the middle of the block's first line
                const QTextLine line = b.layout()->lineAt(0);
                return int((doc->documentLayout()->blockBoundingRect(b).top() + line.y() + line.height() / 2) /
                           doc->pageSize().height());
            };
            int headings = 0;
            for (QTextBlock b = doc->begin(); b.next().isValid(); b = b.next())
                if (b.blockFormat().headingLevel() > 0 && ++headings)
                    QVERIFY2(pageOf(b) == pageOf(b.next()), qPrintable(b.text()));
            QCOMPARE(headings, 13);
            QVERIFY(doc->toPlainText().endsWith("Текст 5."));  // nothing lost on the way
        }
    }
};

QTEST_MAIN(MkpdfTest)
#include "mkpdf_test.moc"
