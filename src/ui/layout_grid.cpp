#include "ui/layout_grid.h"

#include <algorithm>
#include <utility>


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

}  // namespace velunta
