#pragma once
// The worksheet of a lesson: one A4 page, portrait, with the inputs, the
// results of the three models, the equation of motion, the Y(t) and Vy(t)
// graphs with their legend, the flow regime and the date. The same painting goes to a PDF file
// and to a printer (through the print preview).

#include <QDate>
#include <QRectF>
#include <QString>

#include "export/picture_export.h"
#include "model/model.h"

class QPainter;

namespace velunta {

// Paints the page into `page` (the whole sheet in the painter's coordinates,
// 210 x 297 mm) for a computed model and its pictures.
void paintWorksheet(QPainter& p, const QRectF& page, const Model& m, ViewSurfaces& views, const QDate& date);

// Writes the worksheet as a one-page PDF, whole or not at all. False with a
// message in Russian when it could not be written.
bool saveWorksheetPdf(const QString& path, const Model& m, ViewSurfaces& views, const QDate& date, QString& error);

}  // namespace velunta
