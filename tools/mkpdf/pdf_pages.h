#pragma once
// Cuts a laid-out QTextDocument into A4 pages and paints them into a PDF,
// with a footer (document title and page number) on every page.

#include <QString>

#include "page_style.h"

class QPdfWriter;
class QTextDocument;

namespace velunta::mkpdf {

// Paper size and margins of the writer; call before making the document, so
// that the document is laid out for the writer's resolution.
void setUpWriter(QPdfWriter& writer, const PageStyle& style, const QString& title);

// Paints `doc` (laid out for `writer`) page by page; returns the page count,
// 0 when the painter could not start (file not writable).
int paintPages(QTextDocument& doc, QPdfWriter& writer, const PageStyle& style,
               const QString& footerTitle);

}  // namespace velunta::mkpdf
