#pragma once
// Makes a PDF written by QPdfWriter byte-for-byte reproducible: the writer
// stamps the current time and a random document id into every file.

#include <QByteArray>
#include <QDateTime>

namespace velunta::mkpdf {

// Replaces the time stamps and ids in `pdf` by values derived from `when`
// and from the content itself. Every replacement keeps its length, so the
// cross-reference offsets of the file stay valid.
QByteArray stabilisePdf(QByteArray pdf, const QDateTime& when);

// The build time to stamp: SOURCE_DATE_EPOCH when set (the usual convention
// of reproducible builds), otherwise a fixed date.
QDateTime buildTimestamp();

}  // namespace velunta::mkpdf
