#include "markdown_document.h"

#include <QAbstractTextDocumentLayout>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "script_markup.h"

namespace velunta::mkpdf {

namespace {

const QColor kHeadingColour(0x1f, 0x3a, 0x5f);
const QColor kRuleColour(0x90, 0x90, 0x90);
const QColor kHeaderShade(0xe8, 0xec, 0xf2);

double headingSize(const PageStyle& style, int level) {
    switch (level) {
    case 1: return style.heading1Size;
    case 2: return style.heading2Size;
    default: return style.heading3Size;
    }
}

void selectBlockText(QTextCursor& cursor, const QTextBlock& block) {
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
}

void styleHeading(QTextCursor& cursor, const QTextBlock& block, const PageStyle& style) {
    const int level = block.blockFormat().headingLevel();
    // The importer sizes headings with a relative "size adjustment", which
    // would win over a point size; drop it and give the size in points.
    QTextCharFormat chars = block.begin().atEnd() ? block.charFormat()
                                                  : block.begin().fragment().charFormat();
    chars.clearProperty(QTextFormat::FontSizeAdjustment);
    chars.setFontFamilies({style.bodyFamily});
    chars.setFontPointSize(headingSize(style, level));
    chars.setFontWeight(QFont::Bold);
    chars.setForeground(kHeadingColour);
    selectBlockText(cursor, block);
    cursor.setCharFormat(chars);
    cursor.setBlockCharFormat(chars);

    QTextBlockFormat format = block.blockFormat();
    format.setTopMargin(style.layoutPx(level == 1 ? 0.0 : level == 2 ? 14.0 : 9.0));
    format.setBottomMargin(style.layoutPx(level == 1 ? 10.0 : 5.0));
    format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
    format.setAlignment(Qt::AlignLeft);
    cursor.setBlockFormat(format);
}

// A quoted paragraph ("> ...") is a displayed formula: centred on its own line.
void styleFormula(QTextCursor& cursor, const QTextBlock& block, const PageStyle& style) {
    QTextBlockFormat format = block.blockFormat();
    format.setLeftMargin(0);
    format.setRightMargin(0);
    format.setTopMargin(style.layoutPx(2.0));
    format.setBottomMargin(style.layoutPx(style.paragraphGap + 2.0));
    format.setLineHeight(style.lineHeightPercent, QTextBlockFormat::ProportionalHeight);
    format.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(format);
}

// The document keeps an empty paragraph after every table; it should not add
// a blank line of its own below the table's margin.
void collapseEmptyBlock(QTextCursor& cursor, const QTextBlock& block) {
    QTextBlockFormat format = block.blockFormat();
    format.setTopMargin(0);
    format.setBottomMargin(0);
    format.setLineHeight(1, QTextBlockFormat::FixedHeight);
    cursor.setBlockFormat(format);
}

void styleBodyBlock(QTextCursor& cursor, const QTextBlock& block, const PageStyle& style) {
    if (block.length() <= 1)
        return collapseEmptyBlock(cursor, block);
    QTextBlockFormat format = block.blockFormat();
    if (format.intProperty(QTextFormat::BlockQuoteLevel) > 0)
        return styleFormula(cursor, block, style);
    format.setLineHeight(style.lineHeightPercent, QTextBlockFormat::ProportionalHeight);
    format.setTopMargin(0);
    const bool inList = block.textList() != nullptr;
    const bool listGoesOn = inList && block.next().isValid() && block.next().textList();
    format.setBottomMargin(style.layoutPx(listGoesOn ? 2.0 : style.paragraphGap));
    if (!inList && !cursor.currentTable())
        format.setAlignment(Qt::AlignJustify);
    cursor.setBlockFormat(format);
}

void styleTableCellBlock(QTextCursor& cursor, const QTextBlock& block) {
    QTextBlockFormat format;  // plain: nothing inherited from a quote above
    format.setAlignment(block.blockFormat().alignment());
    format.setLineHeight(105, QTextBlockFormat::ProportionalHeight);
    cursor.setBlockFormat(format);
}

// Code spans come from the importer as "fixed pitch"; give them our mono face,
// a little smaller so that they sit well in serif text.
void styleCodeSpans(QTextDocument& doc, const PageStyle& style) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().fontFixedPitch())
                continue;
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat chars;
            chars.setFontFamilies({style.monoFamily});
            chars.setFontPointSize(style.bodySize * 0.9);
            cursor.mergeCharFormat(chars);
        }
    }
}

// After a quoted paragraph the importer starts the table's first cell with an
// empty paragraph (and leaves that cell's text plain); remove it.
void dropLeadingEmptyParagraph(const QTextTableCell& cell) {
    QTextCursor cursor = cell.firstCursorPosition();
    if (cursor.block().length() <= 1 && cell.lastCursorPosition().block() != cursor.block())
        cursor.deleteChar();
}

void styleTable(QTextTable* table, const PageStyle& style) {
    QTextTableFormat format = table->format();
    format.setBorder(style.layoutPx(0.6));
    format.setBorderBrush(QBrush(kRuleColour));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);  // one rule between cells, not two
    format.setCellSpacing(0);
    format.setCellPadding(style.layoutPx(3.5));
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setTopMargin(style.layoutPx(3.0));
    format.setBottomMargin(style.layoutPx(8.0));
    format.setHeaderRowCount(1);  // repeated at the top of a continued table
    format.setAlignment(Qt::AlignLeft);
    table->setFormat(format);

    // With collapsed borders the rules between cells come from the cells.
    for (int row = 0; row < table->rows(); ++row) {
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCell cell = table->cellAt(row, column);
            dropLeadingEmptyParagraph(cell);
            QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
            cellFormat.setBorder(style.layoutPx(0.6));
            cellFormat.setBorderBrush(QBrush(kRuleColour));
            cellFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            if (row == 0)
                cellFormat.setBackground(kHeaderShade);
            cell.setFormat(cellFormat);
            if (row == 0) {
                QTextCursor text = cell.firstCursorPosition();
                text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                QTextCharFormat bold;
                bold.setFontWeight(QFont::Bold);
                text.mergeCharFormat(bold);
            }
        }
    }
}

void styleTables(QTextFrame* frame, const PageStyle& style) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            styleTable(table, style);
        styleTables(child, style);
    }
}

}  // namespace

std::unique_ptr<QTextDocument> makeDocument(const QString& markdown, const PageStyle& style,
                                            QPaintDevice* device) {
    auto doc = std::make_unique<QTextDocument>();
    QFont body(style.bodyFamily);
    body.setPointSizeF(style.bodySize);
    doc->setDefaultFont(body);
    doc->setDocumentMargin(0);
    doc->setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);

    styleTables(doc->rootFrame(), style);

    QTextCursor cursor(doc.get());
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        cursor.setPosition(block.position());
        if (block.blockFormat().headingLevel() > 0)
            styleHeading(cursor, block, style);
        else if (cursor.currentTable())
            styleTableCellBlock(cursor, block);
        else
            styleBodyBlock(cursor, block, style);
    }
    styleCodeSpans(*doc, style);
    applyScriptMarkup(*doc);
    // Only now: with a device set, every edit above would lay the text out anew.
    doc->documentLayout()->setPaintDevice(device);
    return doc;
}

QString firstHeading(const QString& markdown) {
    static const QRegularExpression heading(QStringLiteral("^#[ \\t]+(.+?)[ \\t#]*$"),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = heading.match(markdown);
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace velunta::mkpdf
