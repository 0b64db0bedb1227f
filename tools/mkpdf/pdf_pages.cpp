#include "pdf_pages.h"

#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
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

// A heading left alone at the foot of a page starts the next page instead.
// Each move can shift what follows, so repeat until nothing moves.
void keepHeadingsWithText(QTextDocument& doc) {
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    const double pageHeight = doc.pageSize().height();
    for (int pass = 0; pass < 50; ++pass) {
        bool moved = false;
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            QTextBlockFormat format = block.blockFormat();
            const QTextBlock next = block.next();
            if (format.headingLevel() == 0 || !next.isValid()
                || format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                continue;
            const int headingPage = pageOf(layout->blockBoundingRect(block).top(), pageHeight);
            const int nextPage = pageOf(layout->blockBoundingRect(next).top(), pageHeight);
            if (nextPage > headingPage) {
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(block).setBlockFormat(format);
                moved = true;
                break;
            }
        }
        if (!moved)
            return;
    }
}

void paintFooter(QPainter& painter, const Geometry& geometry, const PageStyle& style,
                 const QString& title, int page, int pageCount) {
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
                     QStringLiteral("стр. %1 из %2").arg(page).arg(pageCount));
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

int paintPages(QTextDocument& doc, QPdfWriter& writer, const PageStyle& style,
               const QString& footerTitle) {
    const Geometry geometry = geometryOf(writer, style);
    doc.setPageSize(geometry.content.size());
    keepHeadingsWithText(doc);
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
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * pageHeight, geometry.content.width(), pageHeight);
        painter.setClipRect(context.clip);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        paintFooter(painter, geometry, style, footerTitle, page + 1, pageCount);
    }
    painter.end();
    return pageCount;
}

}  // namespace velunta::mkpdf
