#include "export/worksheet.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

#include "export/results_table.h"
#include "export/whole_file.h"
#include "model/flow_regime.h"
#include "draw/fonts.h"
#include "plot/axes.h"

namespace velunta {

namespace {

constexpr double kPageWidthMm = 210, kMarginMm = 15;

QFont font(double pointSize, bool bold = false) { return serifFont(pointSize, bold); }

// Millimetres of the sheet in the painter's coordinates, from the top-left corner.
class Sheet {
public:
    Sheet(QPainter& p, const QRectF& page) : p_(p), page_(page), unit_(page.width() / kPageWidthMm) {}
    double mm(double v) const { return v * unit_; }
    QPointF at(double x, double y) const { return page_.topLeft() + QPointF(mm(x), mm(y)); }
    QRectF rect(double x, double y, double w, double h) const { return QRectF(at(x, y), QSizeF(mm(w), mm(h))); }

    // Text in a box of the sheet; returns the height used in mm.
    double text(double x, double y, double w, const QString& s, const QFont& f, int flags = Qt::AlignLeft,
                const QColor& colour = Qt::black) {
        p_.setFont(f);
        p_.setPen(colour);
        const QRectF box = rect(x, y, w, 1000);
        const QRectF used = p_.boundingRect(box, flags | Qt::TextWordWrap, s);
        p_.drawText(box, flags | Qt::TextWordWrap, s);
        return used.height() / unit_;
    }
    void line(double x1, double y1, double x2, double y2, const QColor& colour, double widthMm) {
        p_.setPen(QPen(colour, mm(widthMm)));
        p_.drawLine(at(x1, y1), at(x2, y2));
    }
    QPainter& painter() { return p_; }

private:
    QPainter& p_;
    QRectF page_;
    double unit_;
};

}  // namespace

void paintWorksheet(QPainter& p, const QRectF& page, const Model& m, ViewSurfaces& views, const QDate& date) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Sheet s(p, page);
    const double left = kMarginMm, width = kPageWidthMm - 2 * kMarginMm;
    double y = kMarginMm;

    // Title and date.
    y += s.text(left, y, width, QCoreApplication::translate("Worksheet", "Вертикальное движение шара в вакууме и в вязкой среде"), font(15, true));
    s.text(left, y, width, QCoreApplication::translate("Worksheet", "Дата: ") + date.toString(QStringLiteral("dd.MM.yyyy")), font(10),
           Qt::AlignRight);
    y += s.text(left, y, width, QCoreApplication::translate("Worksheet", "Рабочий лист: сравнение трёх моделей движения"), font(10)) + 3;

    // Inputs, one a line.
    y += s.text(left, y, width, QCoreApplication::translate("Worksheet", "Исходные данные"), font(12, true)) + 1;
    for (const InputRow& r : inputRows(m)) {
        s.text(left, y, 55, r.symbol + " = " + r.value + (r.unit.isEmpty() ? "" : " " + r.unit), font(10.5));
        s.text(left + 55, y + 0.4, width - 55, r.meaning, font(9.5), Qt::AlignLeft, QColor(70, 70, 70));
        y += 5;
    }
    y += 3;

    // The equation of motion.
    y += s.text(left, y, width, QCoreApplication::translate("Worksheet", "Уравнение движения (Fc~v+v²)"), font(12, true)) + 1;
    QSvgRenderer equation(QStringLiteral(":/pictures/equation.svg"));
    if (equation.isValid()) {
        const QSizeF design = equation.defaultSize();
        const double w = 110, h = w * design.height() / design.width();
        equation.render(&p, s.rect(left, y, w, h));
        y += h;
    }
    y += 3;

    // The results of the three models, in the window's captions.
    y += s.text(left, y, width, QCoreApplication::translate("Worksheet", "Результаты расчёта"), font(12, true)) + 1;
    const ResultColumns results = resultColumns(m);
    const QColor colours[] = {toQColor(kBlack), toQColor(kBlue), toQColor(kRed)};
    const double columnWidth = width / 3, rowHeight = 4.6;
    for (int c = 0; c < 3; ++c) {
        s.text(left + c * columnWidth + 1, y, columnWidth - 2, results.headers.value(c), font(10, true), Qt::AlignLeft,
               colours[c]);
    }
    s.line(left, y + rowHeight + 0.6, left + width, y + rowHeight + 0.6, Qt::black, 0.3);
    for (int r = 0; r < results.rowCount(); ++r)
        for (int c = 0; c < 3; ++c)
            s.text(left + c * columnWidth + 1, y + (r + 1) * rowHeight + 1.2, columnWidth - 2,
                   results.columns[std::size_t(c)].value(r), font(9.5));
    const double tableBottom = y + (results.rowCount() + 1) * rowHeight + 2;
    for (int c = 1; c < 3; ++c)
        s.line(left + c * columnWidth, y, left + c * columnWidth, tableBottom, QColor(150, 150, 150), 0.2);
    s.line(left, tableBottom, left + width, tableBottom, Qt::black, 0.3);
    y = tableBottom + 4;

    // The two graphs side by side, with the legend under them.
    const double gap = 6, graphWidth = (width - gap) / 2, graphHeight = 70;
    s.text(left, y, graphWidth, QCoreApplication::translate("Worksheet", "Координата Y(t)"), font(11, true));
    s.text(left + graphWidth + gap, y, graphWidth, QCoreApplication::translate("Worksheet", "Проекция скорости Vy(t)"), font(11, true));
    y += 6;
    views.coordinate.replay(p, s.rect(left, y, graphWidth, graphHeight));
    views.velocity.replay(p, s.rect(left + graphWidth + gap, y, graphWidth, graphHeight));
    p.setPen(QPen(Qt::black, s.mm(0.2)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(s.rect(left, y, graphWidth, graphHeight));
    p.drawRect(s.rect(left + graphWidth + gap, y, graphWidth, graphHeight));
    y += graphHeight + 3;
    const QString legend[] = {QCoreApplication::translate("Worksheet", "в вакууме"), QCoreApplication::translate("Worksheet", "в среде, Fc~v"),
                              QCoreApplication::translate("Worksheet", "в среде, Fc~v+v²")};
    for (int c = 0; c < 3; ++c) {
        const double x = left + c * width / 3;
        s.line(x, y + 2.2, x + 10, y + 2.2, colours[c], 0.8);
        s.text(x + 12, y, width / 3 - 12, legend[c], font(10));
    }
    y += 7;
    y += s.text(left, y, width,
                QCoreApplication::translate("Worksheet", "Зелёная сетка — шаги координатной сетки; вертикальные отрезки на графике Y(t) отмечают "
                               "моменты наибольшей высоты трёх моделей."),
                font(9), Qt::AlignLeft, QColor(70, 70, 70)) + 4;

    // Which drag law matters here.
    const FlowRegime regime = flowRegime(m);
    y += s.text(left, y, width, QCoreApplication::translate("Worksheet", "Режим обтекания"), font(12, true)) + 1;
    s.text(left, y, width, shownPhrase(regime.summaryPhrase), font(10.5));
    p.restore();
}

bool saveWorksheetPdf(const QString& path, const Model& m, ViewSurfaces& views, const QDate& date, QString& error) {
    if (QFileInfo(path).suffix().toLower() != "pdf") {
        error = QCoreApplication::translate("Worksheet", "Рабочий лист сохраняется в файл .pdf, а не «%1».").arg(path);
        return false;
    }
    // The page in memory first: the PDF writer does not report a failed write.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf.setResolution(300);
        pdf.setTitle(QCoreApplication::translate("Worksheet", "Вертикальное движение шара: рабочий лист"));
        pdf.setCreator(QCoreApplication::translate("Worksheet", "Велунта"));
        QPainter p(&pdf);
        paintWorksheet(p, QRectF(0, 0, pdf.width(), pdf.height()), m, views, date);
    }
    return writeWholeFile(path, buffer.data(), error);
}

}  // namespace velunta
