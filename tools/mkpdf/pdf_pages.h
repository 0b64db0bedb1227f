#pragma once
// Cuts a laid-out QTextDocument into A4 pages and paints them into a PDF,
// with a footer (document title and page number) on every page.

#include <functional>
#include <memory>

#include <QString>

#include "page_style.h"

class QPdfWriter;
class QTextDocument;

namespace velunta::mkpdf {

// Paper size and margins of the writer; call before making the document, so
// that the document is laid out for the writer's resolution.
void setUpWriter(QPdfWriter& writer, const PageStyle& style, const QString& title);

using DocumentFactory = std::function<std::unique_ptr<QTextDocument>()>;

// Makes the document to print (laid out for `writer`) and cuts it into pages,
// moving a heading that would stand alone at the foot of a page, and a
// paragraph that would leave its last line alone on the next page, and a table
// whose row would be split across a page break, to the next.
std::unique_ptr<QTextDocument> paginate(const DocumentFactory& makeDocument, QPdfWriter& writer,
                                        const PageStyle& style);

// Paints a document from paginate() page by page with a footer: the title on
// the left, the page number on the right (pageOfPages with %1 the page and %2
// the count); returns the page count, 0 when the painter could not start.
int paintPages(QTextDocument& doc, QPdfWriter& writer, const PageStyle& style,
               const QString& footerTitle, const QString& pageOfPages);

}  // namespace velunta::mkpdf
