// The parts of the help-document typesetter: raised/lowered markup, the look
// of headings and tables, pagination that never strands a heading at the
// foot of a page, and the time stamps that keep the PDF bytes reproducible.

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <QTimeZone>
#include <QtTest>

#include "markdown_document.h"
#include "pdf_pages.h"
#include "script_markup.h"
#include "stable_pdf.h"

using namespace velunta::mkpdf;

namespace {

// The vertical alignment of each character of the document's text, as a
// string: '.' normal, '^' raised, '_' lowered.
QString alignmentMap(QTextDocument& doc) {
    QString map;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QChar mark = '.';
            switch (fragment.charFormat().verticalAlignment()) {
            case QTextCharFormat::AlignSuperScript: mark = '^'; break;
            case QTextCharFormat::AlignSubScript: mark = '_'; break;
            default: break;
            }
            map += QString(fragment.length(), mark);
        }
    }
    return map;
}

// Page on which the middle of the block's first line is drawn.
int pageOfFirstLine(QTextDocument& doc, const QTextBlock& block) {
    const QRectF rect = doc.documentLayout()->blockBoundingRect(block);
    const QTextLine line = block.layout()->lineAt(0);
    const double middle = rect.top() + line.y() + line.height() / 2;
    return static_cast<int>(middle / doc.pageSize().height());
}

}  // namespace

class MkpdfTest : public QObject {
    Q_OBJECT

private slots:
    void scriptMarkup_data();
    void scriptMarkup();
    void firstHeading_data();
    void firstHeading();
    void headingsAndTables();
    void headingNeverEndsAPage_data();
    void headingNeverEndsAPage();
    void stamps_data();
    void stamps();
    void buildTimestampFollowsSourceDateEpoch();
};

void MkpdfTest::scriptMarkup_data() {
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("alignment");

    QTest::newRow("superscript") << "10^{−5} м" << "10−5 м" << "..^^..";
    QTest::newRow("subscript") << "ρ_{0}" << "ρ0" << "._";
    QTest::newRow("two in a row") << "V_{0y}·t^{2}" << "V0y·t2" << ".__..^";
    QTest::newRow("nested keeps the outer") << "e^{−δ_{1}·t}" << "e−δ1·t" << ".^^^^^";
    QTest::newRow("code span is literal") << "`a_{b}` и c_{d}" << "a_{b} и cd" << "........._";
    QTest::newRow("plain braces stay") << "{x} и a^b" << "{x} и a^b" << ".........";
    QTest::newRow("empty group") << "x^{}y" << "xy" << "..";
}

void MkpdfTest::scriptMarkup() {
    QFETCH(QString, markdown);
    QFETCH(QString, text);
    QFETCH(QString, alignment);
    QTextDocument doc;
    doc.setMarkdown(markdown);
    applyScriptMarkup(doc);
    QCOMPARE(doc.toPlainText(), text);
    QCOMPARE(alignmentMap(doc).left(text.size()), alignment);
}

void MkpdfTest::firstHeading_data() {
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<QString>("title");
    QTest::newRow("first line") << "# Справка\n\ntext\n" << "Справка";
    QTest::newRow("after text, closing hashes") << "intro\n# Таблица ##\n" << "Таблица";
    QTest::newRow("second level is not a title") << "## Раздел\n" << "";
    QTest::newRow("no blank after hash") << "#Заголовок\n" << "";
    QTest::newRow("first of two") << "# One\n# Two\n" << "One";
}

void MkpdfTest::firstHeading() {
    QFETCH(QString, markdown);
    QFETCH(QString, title);
    QCOMPARE(velunta::mkpdf::firstHeading(markdown), title);
}

void MkpdfTest::headingsAndTables() {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    const PageStyle style;
    setUpWriter(writer, style, "t");
    // A table right after a quoted formula: the importer used to leave an
    // empty paragraph in its first cell.
    const auto doc = makeDocument("# Заголовок\n\n## Раздел\n\n> F = m·g\n\n| A | B |\n|---|---|\n| 1 | 2 |\n",
                                  style, &writer);

    QTextBlock block = doc->begin();
    QCOMPARE(block.blockFormat().headingLevel(), 1);
    QCOMPARE(block.begin().fragment().charFormat().font().pointSizeF(), style.heading1Size);
    block = block.next();
    QCOMPARE(block.blockFormat().headingLevel(), 2);
    QCOMPARE(block.begin().fragment().charFormat().font().pointSizeF(), style.heading2Size);
    block = block.next();
    QCOMPARE(block.text(), QString("F = m·g"));
    QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    QTextTable* table = QTextCursor(block.next()).currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    const QTextTableCell first = table->cellAt(0, 0);
    QCOMPARE(first.firstCursorPosition().block(), first.lastCursorPosition().block());
    QCOMPARE(first.firstCursorPosition().block().text(), QString("A"));
    for (int column = 0; column < 2; ++column) {
        QTextCursor header = table->cellAt(0, column).firstCursorPosition();
        header.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(header.charFormat().fontWeight(), int(QFont::Bold));
        QTextCursor body = table->cellAt(1, column).firstCursorPosition();
        body.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(body.charFormat().fontWeight(), int(QFont::Normal));
    }
    QVERIFY(table->format().borderCollapse());
    QVERIFY(table->cellAt(1, 1).format().toTableCellFormat().topBorder() > 0);
}

void MkpdfTest::headingNeverEndsAPage_data() {
    QTest::addColumn<int>("fillerLines");
    // Shift a chain of headings down the page one line at a time, so that it
    // meets the foot of the page in every possible way.
    for (int lines = 30; lines <= 75; lines += 3)
        QTest::newRow(qPrintable(QString::number(lines))) << lines;
}

void MkpdfTest::headingNeverEndsAPage() {
    QFETCH(int, fillerLines);
    QString markdown = "# Документ\n\n";
    for (int i = 0; i < fillerLines; ++i)
        markdown += QString("Строка %1.\n\n").arg(i);
    for (int section = 0; section < 6; ++section) {
        markdown += QString("## Раздел %1\n\n### Подраздел %1\n\n").arg(section);
        for (int i = 0; i < 12; ++i)
            markdown += QString("Текст раздела %1, строка %2.\n\n").arg(section).arg(i);
    }

    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    const PageStyle style;
    setUpWriter(writer, style, "t");
    const auto doc = paginate([&] { return makeDocument(markdown, style, &writer); }, writer, style);

    int headings = 0;
    for (QTextBlock block = doc->begin(); block.next().isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        ++headings;
        QVERIFY2(pageOfFirstLine(*doc, block) == pageOfFirstLine(*doc, block.next()),
                 qPrintable("heading left at the foot of a page: " + block.text()));
    }
    QCOMPARE(headings, 13);
    // Nothing lost on the way: every line of the source is still there.
    QVERIFY(doc->toPlainText().contains("Текст раздела 5, строка 11."));
    QVERIFY(paintPages(*doc, writer, style, "t") >= 2);
}

void MkpdfTest::stamps_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray when = "20240101000000";
    QTest::newRow("UTC stamp") << QByteArray("<< /CreationDate (D:20261206201505Z) >>")
                               << QByteArray("<< /CreationDate (D:" + when + "Z) >>");
    QTest::newRow("stamp with offset")
        << QByteArray("/CreationDate (D:20261206211505+01'00')")
        << QByteArray("/CreationDate (D:" + when + "+00'00')");
    QTest::newRow("both stamps") << QByteArray("/CreationDate (D:20261206201505Z)\n/ModDate (D:20261207201505Z)")
                                 << QByteArray("/CreationDate (D:" + when + "Z)\n/ModDate (D:" + when + "Z)");
    QTest::newRow("unknown length left alone") << QByteArray("/CreationDate (D:2026)")
                                               << QByteArray("/CreationDate (D:2026)");
    QTest::newRow("other text untouched") << QByteArray("/Title (D:20261206201505Z)")
                                          << QByteArray("/Title (D:20261206201505Z)");
}

void MkpdfTest::stamps() {
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    const QDateTime when(QDate(2024, 1, 1), QTime(0, 0), QTimeZone::utc());
    const QByteArray output = stabilisePdf(input, when);
    QCOMPARE(output, expected);
    QCOMPARE(output.size(), input.size());  // cross-reference offsets stay valid
}

void MkpdfTest::buildTimestampFollowsSourceDateEpoch() {
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    QCOMPARE(buildTimestamp(), QDateTime::fromSecsSinceEpoch(1700000000, QTimeZone::utc()));
    qunsetenv("SOURCE_DATE_EPOCH");
    const QDateTime fixed = buildTimestamp();
    QVERIFY(fixed.isValid());
    QCOMPARE(buildTimestamp(), fixed);  // not the clock
}

QTEST_MAIN(MkpdfTest)
#include "mkpdf_test.moc"
