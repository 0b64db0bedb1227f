#pragma once
// Reads a Markdown text (CommonMark with GitHub tables) into a QTextDocument
// and gives it the look of the help documents: serif body text, headings in
// steps, ruled tables with a shaded header row.

#include <memory>

#include <QString>

#include "page_style.h"

class QPaintDevice;
class QTextDocument;

namespace velunta::mkpdf {

// The document is laid out for `device` (its resolution sets the units).
std::unique_ptr<QTextDocument> makeDocument(const QString& markdown, const PageStyle& style,
                                            QPaintDevice* device);

// Text of the first "# " heading, or an empty string; used as the PDF title.
QString firstHeading(const QString& markdown);

}  // namespace velunta::mkpdf
