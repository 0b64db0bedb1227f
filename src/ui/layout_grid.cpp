#include "ui/layout_grid.h"

#include <algorithm>
#include <utility>

#include "ui/form1_controls.h"

namespace velunta {

namespace {

// Property writes of one control. A size never goes below zero: in a window
// narrower than 655 or lower than 27 pixels the stretching parts just vanish.
void setWidth(QRectF& r, double width) { r.setWidth(std::max(0.0, width)); }
void setHeight(QRectF& r, double height) { r.setHeight(std::max(0.0, height)); }
void setLeft(QRectF& r, double left) { r.moveLeft(left); }
void setTop(QRectF& r, double top) { r.moveTop(top); }

// Width, Height, Left, Top: the order in which the grid sets a control.
void place(QRectF& r, double width, double height, double left, double top) {
    setWidth(r, width);
    setHeight(r, height);
    setLeft(r, left);
    setTop(r, top);
}

// A result box in row k under its legend.
void placeInColumn(QRectF& box, const QRectF& legend, int k, double H, double gy) {
    place(box, legend.width(), H, legend.left(), legend.top() + k * (H + gy));
}

// A Greek letter over the left end of its box; its size stays as designed.
void placeOverlay(QRectF& overlay, const QRectF& box, double dx) {
    overlay.setSize(QSizeF(kOverlayWidth, kOverlayHeight));
    setLeft(overlay, box.left() + dx);
    setTop(overlay, box.top() - 2);
}

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

LayoutGrid computeLayout(double SW, double SH) {
    LayoutGrid g;

    // 1. Grid constants.
    g.L_width = 76;
    g.L_height = 26;
    g.otstup_x = 4;
    g.otstup_y = 4;
    const double W = g.L_width, H = g.L_height, gx = g.otstup_x, gy = g.otstup_y;

    // 2. Parameter header.
    place(g.Label36, 2 * W, H, SW - 8 * W - 5 * gx, gy);

    // 3. Input rows: caption, input box, unit.
    struct InputRow {
        QRectF* caption;
        QRectF* box;
        QRectF* unit;  // none in the last row
    };
    const InputRow rows[] = {
        {&g.Label1, &g.Text1, &g.Label2},   {&g.Label3, &g.Text2, &g.Label4},
        {&g.Label7, &g.Text4, &g.Label8},   {&g.Label9, &g.Text5, &g.Label10},
        {&g.Label11, &g.Text6, &g.Label12}, {&g.Label13, &g.Text7, &g.Label14},
        {&g.Label34, &g.Text3, nullptr},
    };
    int k = 1;
    for (const InputRow& row : rows) {
        const double captionWidth = (k == 1) ? 0.5 * W : g.Label1.width();
        place(*row.caption, captionWidth, H, g.Label36.left(), g.Label36.top() + k * (H + gy));
        place(*row.box, W, H, g.Label1.left() + g.Label1.width(), row.caption->top());
        if (row.unit) {
            setHeight(*row.unit, H);
            setLeft(*row.unit, g.Text1.left() + g.Text1.width());
            setTop(*row.unit, row.caption->top());
            // The first unit is narrow so that it ends before the vacuum panel.
            setWidth(*row.unit, (k == 1) ? 0.6 * W : W);
        }
        ++k;
    }

    // 4. Ball density in row 9 of the parameter panel.
    place(g.Label43, g.Label36.width(), H, g.Label1.left(), g.Label36.top() + 9 * (H + gy));
    placeOverlay(g.Label43_2, g.Label43, 2);

    // 5. Vacuum panel.
    place(g.Label15, 2 * W, H, SW - 6 * W - 3 * gx, gy + H);
    placeInColumn(g.Label16, g.Label15, 3, H, gy);
    placeInColumn(g.Label19, g.Label15, 4, H, gy);
    placeInColumn(g.Label17, g.Label15, 7, H, gy);
    placeInColumn(g.Label38, g.Label15, 9, H, gy);

    // 6. Header of the results.
    place(g.Label32, 2 * W, H, SW - 4 * W - 2 * gx, gy);

    // 7. Linear-drag panel.
    place(g.Label21, 2 * W, H, SW - 4 * W - 2 * gx, gy + H);
    placeInColumn(g.Label22, g.Label21, 1, H, gy);
    placeOverlay(g.Label22_2, g.Label22, 1);
    placeInColumn(g.Label23, g.Label21, 2, H, gy);
    placeInColumn(g.Label24, g.Label21, 3, H, gy);
    placeInColumn(g.Label25, g.Label21, 4, H, gy);
    placeInColumn(g.Label26, g.Label21, 7, H, gy);
    placeInColumn(g.Label40, g.Label21, 9, H, gy);
    placeInColumn(g.Label37, g.Label21, 11, H, gy);

    // 8. Quadratic-drag panel.
    place(g.Label28, 2 * W, H, SW - 2 * W - gx, gy + H);
    placeInColumn(g.Label5, g.Label28, 1, H, gy);
    placeInColumn(g.Label44, g.Label28, 2, H, gy);
    placeInColumn(g.Label29, g.Label28, 3, H, gy);
    placeInColumn(g.Label30, g.Label28, 4, H, gy);
    placeInColumn(g.Label33, g.Label28, 5, H, gy);
    placeInColumn(g.Label6, g.Label28, 6, H, gy);
    placeInColumn(g.Label31, g.Label28, 7, H, gy);
    placeInColumn(g.Label18, g.Label28, 8, H, gy);
    placeInColumn(g.Label42, g.Label28, 9, H, gy);
    placeInColumn(g.Label20, g.Label28, 10, H, gy);
    placeInColumn(g.Label35, g.Label28, 11, H, gy);
    placeOverlay(g.Label18_2, g.Label18, 1);
    placeOverlay(g.Label20_2, g.Label20, 1);

    // 9. Animation area: the canvas fills what the panels leave on the left,
    // with its zoom bar along the left side and the hidden bar along the bottom.
    setWidth(g.VScroll1, W / 4);
    setHeight(g.HScroll1, g.VScroll1.width());
    setHeight(g.VScroll1, SH - g.HScroll1.height() - 2 * gy);
    setWidth(g.HScroll1, g.Label36.left() - g.VScroll1.width() - 2 * gx);
    setLeft(g.VScroll1, gx);
    setTop(g.VScroll1, gy);
    setLeft(g.HScroll1, g.VScroll1.left() + g.VScroll1.width());
    setTop(g.HScroll1, g.VScroll1.top() + g.VScroll1.height());
    setTop(g.Picture1, g.VScroll1.top());
    setLeft(g.Picture1, g.HScroll1.left());
    setWidth(g.Picture1, g.HScroll1.width());
    setHeight(g.Picture1, g.VScroll1.height());

    // 10-11. Time and coordinate counters under the parameter panel.
    place(g.Picture4, 2.0 * W, 1.1 * H, g.Label36.left(), 13 * H + 13 * gy);
    place(g.Picture14, 2.0 * W, 1.1 * H, g.Label36.left(),
          g.Picture4.top() + g.Picture4.height() + gy);

    // 12. Slow-down value and its scroll bar under the vacuum panel.
    place(g.Label27, W / 4, H, g.Label15.left(), g.Picture4.top());
    place(g.HScroll2, 2 * W - g.Label27.width(), g.Label27.height(),
          g.Label15.left() + g.Label27.width(), g.Label27.top());

    // 13. Start button, centred under the quadratic-drag panel.
    setWidth(g.CmdOK, W);
    setHeight(g.CmdOK, H);
    setLeft(g.CmdOK, g.Label28.left() - g.CmdOK.width() / 2 + g.Label28.width() / 2);
    setTop(g.CmdOK, g.Picture4.top() + H + 5 * gy);

    // 14. Recompute button (hidden).
    place(g.Command1, g.CmdOK.width(), H, g.CmdOK.left(), g.Picture4.top() + 2 * gy);

    // 15. View switch under the linear-drag panel.
    place(g.Frame1, 2 * W, 3.1 * H, g.Label21.left(), g.Picture4.top());

    // 16. Graph areas: from the animation area's left edge to the right edge,
    // down to the counter row; when shown they cover the panels.
    setLeft(g.Picture2, g.Picture1.left());
    setTop(g.Picture2, g.Picture1.top());
    setWidth(g.Picture2, SW - g.VScroll1.width() - 2 * gx);
    setHeight(g.Picture2, g.Picture4.top() - 2 * gy);
    place(g.Picture3, g.Picture2.width(), g.Picture2.height(), g.Picture1.left(), g.Picture2.top());

    // 17. Equation picture (design size) with the picture scroll bar to its right.
    g.Picture15.setSize(QSizeF(kEquationWidth, kEquationHeight));
    setLeft(g.Picture15, g.Label36.left());
    setTop(g.Picture15, g.Picture14.top() + g.Picture14.height() + gy);
    place(g.VScroll2, g.VScroll1.width(), g.Picture15.height(),
          g.Picture15.left() + g.Picture15.width(), g.Picture15.top());

    return g;
}

QList<QPair<QString, QRectF>> LayoutGrid::named() const {
    return {
        {"Label36", Label36},     {"Label1", Label1},       {"Text1", Text1},
        {"Label2", Label2},       {"Label3", Label3},       {"Text2", Text2},
        {"Label4", Label4},       {"Label7", Label7},       {"Text4", Text4},
        {"Label8", Label8},       {"Label9", Label9},       {"Text5", Text5},
        {"Label10", Label10},     {"Label11", Label11},     {"Text6", Text6},
        {"Label12", Label12},     {"Label13", Label13},     {"Text7", Text7},
        {"Label14", Label14},     {"Label34", Label34},     {"Text3", Text3},
        {"Label43", Label43},     {"Label43_2", Label43_2}, {"Label15", Label15},
        {"Label16", Label16},     {"Label19", Label19},     {"Label17", Label17},
        {"Label38", Label38},     {"Label32", Label32},     {"Label21", Label21},
        {"Label22", Label22},     {"Label22_2", Label22_2}, {"Label23", Label23},
        {"Label24", Label24},     {"Label25", Label25},     {"Label26", Label26},
        {"Label40", Label40},     {"Label37", Label37},     {"Label28", Label28},
        {"Label5", Label5},       {"Label44", Label44},     {"Label29", Label29},
        {"Label30", Label30},     {"Label33", Label33},     {"Label6", Label6},
        {"Label31", Label31},     {"Label18", Label18},     {"Label42", Label42},
        {"Label20", Label20},     {"Label35", Label35},     {"Label18_2", Label18_2},
        {"Label20_2", Label20_2}, {"VScroll1", VScroll1},   {"HScroll1", HScroll1},
        {"Picture1", Picture1},   {"Picture4", Picture4},   {"Picture14", Picture14},
        {"Label27", Label27},     {"HScroll2", HScroll2},   {"CmdOK", CmdOK},
        {"Command1", Command1},   {"Frame1", Frame1},       {"Picture2", Picture2},
        {"Picture3", Picture3},   {"Picture15", Picture15}, {"VScroll2", VScroll2},
    };
}

void applyLayout(const LayoutGrid& g, Form1Controls& c) {
    const std::pair<QWidget*, const QRectF&> placements[] = {
        {c.Label36, g.Label36},     {c.Label1, g.Label1},       {c.Text1, g.Text1},
        {c.Label2, g.Label2},       {c.Label3, g.Label3},       {c.Text2, g.Text2},
        {c.Label4, g.Label4},       {c.Label7, g.Label7},       {c.Text4, g.Text4},
        {c.Label8, g.Label8},       {c.Label9, g.Label9},       {c.Text5, g.Text5},
        {c.Label10, g.Label10},     {c.Label11, g.Label11},     {c.Text6, g.Text6},
        {c.Label12, g.Label12},     {c.Label13, g.Label13},     {c.Text7, g.Text7},
        {c.Label14, g.Label14},     {c.Label34, g.Label34},     {c.Text3, g.Text3},
        {c.Label43, g.Label43},     {c.Label43_2, g.Label43_2}, {c.Label15, g.Label15},
        {c.Label16, g.Label16},     {c.Label19, g.Label19},     {c.Label17, g.Label17},
        {c.Label38, g.Label38},     {c.Label32, g.Label32},     {c.Label21, g.Label21},
        {c.Label22, g.Label22},     {c.Label22_2, g.Label22_2}, {c.Label23, g.Label23},
        {c.Label24, g.Label24},     {c.Label25, g.Label25},     {c.Label26, g.Label26},
        {c.Label40, g.Label40},     {c.Label37, g.Label37},     {c.Label28, g.Label28},
        {c.Label5, g.Label5},       {c.Label44, g.Label44},     {c.Label29, g.Label29},
        {c.Label30, g.Label30},     {c.Label33, g.Label33},     {c.Label6, g.Label6},
        {c.Label31, g.Label31},     {c.Label18, g.Label18},     {c.Label42, g.Label42},
        {c.Label20, g.Label20},     {c.Label35, g.Label35},     {c.Label18_2, g.Label18_2},
        {c.Label20_2, g.Label20_2}, {c.VScroll1, g.VScroll1},   {c.HScroll1, g.HScroll1},
        {c.Picture1, g.Picture1},   {c.Picture4, g.Picture4},   {c.Picture14, g.Picture14},
        {c.Label27, g.Label27},     {c.HScroll2, g.HScroll2},   {c.CmdOK, g.CmdOK},
        {c.Command1, g.Command1},   {c.Frame1, g.Frame1},       {c.Picture2, g.Picture2},
        {c.Picture3, g.Picture3},   {c.Picture15, g.Picture15}, {c.VScroll2, g.VScroll2},
    };
    for (const auto& [widget, rect] : placements)
        if (widget) widget->setGeometry(wholePixels(rect));

    if (c.Picture4) styleCounter(c.Picture4);
    if (c.Picture14) styleCounter(c.Picture14);
    if (c.Command1) c.Command1->setVisible(false);
}

}  // namespace velunta
