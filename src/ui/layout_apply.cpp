// The grid handed to the window's widgets.
#include <algorithm>

#include "ui/form1_controls.h"
#include "ui/layout_grid.h"

namespace velunta {

namespace {

QRect wholePixels(const QRectF& r) {
    return QRect(qRound(r.left()), qRound(r.top()), std::max(0, qRound(r.width())),
                 std::max(0, qRound(r.height())));
}

// The counters are black with green figures, whatever the design said.
void styleCounter(Canvas* counter) {
    counter->setBackColor(RGB(0, 0, 0));
    counter->setForeColor(RGB(0, 255, 0));
    counter->setFontSize(18);
}

}  // namespace

QList<QPair<QString, QRectF>> LayoutGrid::named() const {
    QList<QPair<QString, QRectF>> cells;
    for (const ControlRow& row : form1ControlTable())
        if (row.cell) cells.append({QString::fromLatin1(row.name), this->*row.cell});
    return cells;
}

void applyLayout(const LayoutGrid& g, Form1Controls& c) {
    for (const ControlRow& row : form1ControlTable())
        if (QWidget* widget = row.cell ? c.widget(QString::fromLatin1(row.name)) : nullptr)
            widget->setGeometry(wholePixels(g.*row.cell));

    if (c.Picture4) styleCounter(c.Picture4);
    if (c.Picture14) styleCounter(c.Picture14);
    if (c.Command1) c.Command1->setVisible(false);
}

}  // namespace velunta
