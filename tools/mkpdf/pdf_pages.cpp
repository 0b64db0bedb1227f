#include "pdf_pages.h"

#include <algorithm>
#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QSet>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QHash>
#include <QList>
#include <QTextTable>
#include <QTextLayout>
#include <QTextDocument>

namespace velunta::mkpdf {

namespace {

struct Geometry {
    QSizeF paper;    // whole sheet, device units
    QRectF content;  // text area on the sheet
};

Geometry geometryOf(const QPdfWriter& writer, const PageStyle& style) {
    const QSizeF paper(writer.width(), writer.height());
    const double left = style.mmToPx(style.marginLeftMm);
    const double top = style.mmToPx(style.marginTopMm);
    const QRectF content(left, top, paper.width() - left - style.mmToPx(style.marginRightMm),
                         paper.height() - top - style.mmToPx(style.marginBottomMm));
    return {paper, content};
}

int pageOf(double y, double pageHeight) {
    return static_cast<int>(std::floor(y / pageHeight));
}

// Middle of the first line of a block: its page is the page the line is drawn
// on. (The layout moves a line that would cross the foot of a page down to the
// next page, but leaves the block's rectangle where the block began; and the
// moved line starts a hair above the page boundary, hence the middle.)
double firstLineMiddle(QAbstractTextDocumentLayout* layout, const QTextBlock& block) {
    const QRectF rect = layout->blockBoundingRect(block);
    const QTextLayout* lines = block.layout();
    if (!lines || lines->lineCount() == 0)
        return rect.center().y();
    const QTextLine first = lines->lineAt(0);
    return rect.top() + first.y() + first.height() / 2;
}

bool isHeading(const QTextBlock& block) {
    return block.isValid() && block.blockFormat().headingLevel() > 0;
}

// The first heading that stands alone at the foot of a page, or rather the
// first of the headings right above it ("Section" over "Subsection"), since
// they should move to the next page together. Returns its block number, or -1.
int strandedHeading(QTextDocument& doc) {
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    const double pageHeight = doc.pageSize().height();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlock next = block.next();
        if (!isHeading(block) || !next.isValid())
            continue;
        if (pageOf(firstLineMiddle(layout, next), pageHeight)
            <= pageOf(firstLineMiddle(layout, block), pageHeight))
            continue;
        QTextBlock first = block;
        while (isHeading(first.previous()))
            first = first.previous();
        return first.blockNumber();
    }
    return -1;
}

// The first paragraph whose last line alone goes over to the next page (a
// widow, which also could not be drawn there without its other lines: see
// ownLines). Returns its block number, or -1.
int widowedBlock(QTextDocument& doc) {
    const double pageHeight = doc.pageSize().height();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        const int count = lines ? lines->lineCount() : 0;
        if (count < 2 || count > 12 || QTextCursor(block).currentTable())
            continue;
        const auto middle = [&](int i) {
            const QTextLine line = lines->lineAt(i);
            return lines->position().y() + line.y() + line.height() / 2;
        };
        if (pageOf(middle(count - 1), pageHeight) <= pageOf(middle(count - 2), pageHeight))
            continue;
        QTextBlock first = block;  // the headings right above go with it
        while (isHeading(first.previous()))
            first = first.previous();
        return first.blockNumber();
    }
    return -1;
}

// The first table with a row whose lines lie on two pages: the layout moves a
// cell's line that would cross the foot of a page to the next one, and so
// splits the row. A page break inside a cell leaves the row's frame behind, so
// the whole table goes to the next page, with the headings right above it;
// in a table already moved (too long for a page) the row alone goes.
// Returns the block to break before (a table's first cell stands for the
// table), or the first blocks of the row's cells, or none.
QList<int> splitTable(QTextDocument& doc, const QSet<int>& breaks) {
    const double pageHeight = doc.pageSize().height();
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextTable* table = QTextCursor(block).currentTable();
        if (!table)
            continue;
        const QTextTableCell cell = table->cellAt(block.position());
        QList<int> pages, cells;
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell other = table->cellAt(cell.row(), column);
            cells << other.firstCursorPosition().block().blockNumber();
            for (QTextBlock b = other.firstCursorPosition().block();
                 b.isValid() && b.position() <= other.lastPosition(); b = b.next()) {
                const QTextLayout* lines = b.layout();
                const double top = layout->blockBoundingRect(b).top();
                for (int i = 0; lines && i < lines->lineCount(); ++i) {
                    const QTextLine line = lines->lineAt(i);
                    pages << pageOf(top + line.y() + line.height() / 2, pageHeight);
                }
            }
        }
        if (pages.isEmpty() || *std::min_element(pages.begin(), pages.end())
                                   == *std::max_element(pages.begin(), pages.end()))
            continue;
        QTextBlock first = table->cellAt(0, 0).firstCursorPosition().block();
        if (isHeading(first.previous())) {
            first = first.previous();
            while (isHeading(first.previous()))
                first = first.previous();
        }
        if (!breaks.contains(first.blockNumber()))
            return {first.blockNumber()};
        return cells;
    }
    return {};
}

void breakBefore(QTextDocument& doc, const QSet<int>& blockNumbers) {
    for (int number : blockNumbers) {
        const QTextBlock block = doc.findBlockByNumber(number);
        QTextTable* table = QTextCursor(block).currentTable();
        if (table && table->cellAt(0, 0).firstCursorPosition().block() == block) {
            QTextTableFormat format = table->format();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            table->setFormat(format);
            continue;
        }
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}

// The band of a page from which the layout draws exactly the lines that lie on
// that page. The layout skips a line that starts below the band, and a line
// that ends above it, except the last such line of a block. So the band's foot
// is raised by a little (a line moved to the next page starts a hair above the
// boundary), and where a paragraph runs on from the page before, the band
// starts below the first of its lines on this page: that line is then the
// last one above the band and is drawn, the lines before it are not.
QRectF ownLines(QTextDocument& doc, const QRectF& page, double inset) {
    double top = page.top();
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QRectF rect = layout->blockBoundingRect(block);
        const QTextLayout* lines = block.layout();
        if (!lines || rect.top() >= page.top() || rect.bottom() <= page.top())
            continue;
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const double lineTop = rect.top() + line.y();  // the rect is in page coordinates, also in a table
            if (lineTop + line.height() / 2 > page.top()) {
                if (i > 0)  // else the block's first line opens the page: nothing to hide
                    top = std::max(top, lineTop + line.height() + 1);
                break;
            }
        }
    }
    return QRectF(page.left(), top, page.width(), page.bottom() - inset - top);
}

void paintFooter(QPainter& painter, const Geometry& geometry, const PageStyle& style,
                 const QString& title, const QString& pageOfPages, int page, int pageCount) {
    QFont font(style.bodyFamily);
    font.setPointSizeF(style.footerSize);
    painter.setFont(font);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), style.px(0.4)));

    const double baseline = geometry.paper.height() - style.mmToPx(style.footerOffsetMm);
    const double ruleY = baseline - style.px(style.footerSize + 3.0);
    painter.drawLine(QPointF(geometry.content.left(), ruleY), QPointF(geometry.content.right(), ruleY));

    const QRectF band(geometry.content.left(), ruleY, geometry.content.width(), baseline - ruleY);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignBottom, title);
    painter.drawText(band, Qt::AlignRight | Qt::AlignBottom,
                     pageOfPages.arg(page).arg(pageCount));
}

}  // namespace

void setUpWriter(QPdfWriter& writer, const PageStyle& style, const QString& title) {
    writer.setResolution(style.resolutionDpi);
    // Margins are drawn by us (the footer lives in the bottom margin), so the
    // writer's own margins are zero and the painter covers the whole sheet.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Velunta mkpdf"));
}

std::unique_ptr<QTextDocument> paginate(const DocumentFactory& makeDocument, QPdfWriter& writer,
                                        const PageStyle& style) {
    const Geometry geometry = geometryOf(writer, style);
    // Page breaks are set on a fresh document each time: the layout does not
    // reliably pick up a format changed after it has laid the text out.
    QSet<int> breaks;
    QHash<int, double> margins;
    for (;;) {
        std::unique_ptr<QTextDocument> doc = makeDocument();
        breakBefore(*doc, breaks);
        for (auto it = margins.cbegin(); it != margins.cend(); ++it) {
            const QTextBlock block = doc->findBlockByNumber(it.key());
            QTextTable* table = QTextCursor(block).currentTable();
            QTextTableCell cell = table->cellAt(block.position());
            QTextTableCellFormat format = cell.format().toTableCellFormat();
            format.setTopPadding(table->format().cellPadding() + it.value() * 96.0 / style.resolutionDpi);
            cell.setFormat(format);
        }
        doc->setPageSize(geometry.content.size());
        int stranded = strandedHeading(*doc);
        if (stranded < 0)
            stranded = widowedBlock(*doc);
        const QList<int> moved = stranded < 0 ? splitTable(*doc, breaks) : QList<int>{stranded};
        const QTextBlock head = moved.isEmpty() ? QTextBlock() : doc->findBlockByNumber(moved.first());
        QTextTable* rowTable = head.isValid() ? QTextCursor(head).currentTable() : nullptr;
        if (rowTable && rowTable->cellAt(0, 0).firstCursorPosition().block() != head) {
            // A row of a table longer than a page: its cells get a top margin
            // that takes the row's first line to the top of the next page (a
            // page break in a cell would leave the empty row behind). All above
            // the row lies as it will, so the margin is measured here.
            const double pageHeight = doc->pageSize().height();
            double lineTop = 1e300;
            for (int number : moved) {
                const QTextBlock block = doc->findBlockByNumber(number);
                if (block.layout() && block.layout()->lineCount() > 0)
                    lineTop = std::min(lineTop, doc->documentLayout()->blockBoundingRect(block).top()
                                                    + block.layout()->lineAt(0).y());
            }
            if (margins.contains(moved.first()) || lineTop > 1e299)
                return doc;
            for (int number : moved)
                margins[number] = (pageOf(lineTop, pageHeight) + 1) * pageHeight - lineTop;
            continue;
        }
        if (moved.isEmpty() || breaks.contains(moved.first()))
            return doc;
        for (int number : moved)
            breaks.insert(number);
    }
}

int paintPages(QTextDocument& doc, QPdfWriter& writer, const PageStyle& style,
               const QString& footerTitle, const QString& pageOfPages) {
    const Geometry geometry = geometryOf(writer, style);
    const int pageCount = doc.pageCount();

    QPainter painter;
    if (!painter.begin(&writer))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    const double pageHeight = geometry.content.height();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        painter.translate(geometry.content.left(), geometry.content.top() - page * pageHeight);
        // The painter's clip hides what belongs to the pages before and after,
        // but the PDF would still hold it as invisible text (found twice by a
        // search or a copy). So the context's clip, by which the layout picks
        // the lines it draws, is narrowed to this page's own lines.
        const QRectF pageRect(0, page * pageHeight, geometry.content.width(), pageHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = ownLines(doc, pageRect, style.px(style.bodySize) / 3);
        painter.setClipRect(pageRect);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        paintFooter(painter, geometry, style, footerTitle, pageOfPages, page + 1, pageCount);
    }
    painter.end();
    return pageCount;
}

}  // namespace velunta::mkpdf
