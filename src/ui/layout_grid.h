#pragma once
// The main window's grid: four panels of fixed cells anchored to the right edge
// of the client area, the animation area to their left and a row of counters
// and buttons below. Nothing is scaled; only the animation area, its scroll bars
// and the two graph areas stretch with the window.
//
// computeLayout is a pure function of the client size and keeps the fractional
// sizes (45.6, 28.6, 80.6); applyLayout hands them to the widgets in whole pixels.

#include <QList>
#include <QPair>
#include <QRectF>
#include <QString>

namespace velunta {

struct Form1Controls;

struct LayoutGrid {
    // Grid constants, rewritten on every call.
    int L_width = 76;   // width of one cell
    int L_height = 26;  // height of one row
    int otstup_x = 4;   // horizontal gap
    int otstup_y = 4;   // vertical gap

    // Parameter panel.
    QRectF Label36;
    QRectF Label1, Text1, Label2;
    QRectF Label3, Text2, Label4;
    QRectF Label7, Text4, Label8;
    QRectF Label9, Text5, Label10;
    QRectF Label11, Text6, Label12;
    QRectF Label13, Text7, Label14;
    QRectF Label34, Text3;
    QRectF Label43, Label43_2;

    // Vacuum panel.
    QRectF Label15, Label16, Label19, Label17, Label38;
    // Linear-drag panel and the header above it.
    QRectF Label32;
    QRectF Label21, Label22, Label22_2, Label23, Label24, Label25, Label26, Label40, Label37;
    // Quadratic-drag panel.
    QRectF Label28, Label5, Label44, Label29, Label30, Label33, Label6, Label31, Label18,
        Label18_2, Label42, Label20, Label20_2, Label35;

    // Animation area.
    QRectF VScroll1, HScroll1, Picture1;
    // Counter row.
    QRectF Picture4, Picture14, Label27, HScroll2, CmdOK, Command1, Frame1;
    // Graph areas, equation picture and its scroll bar.
    QRectF Picture2, Picture3, Picture15, VScroll2;

    // Every rectangle under the name of its control, in the order of the control table.
    QList<QPair<QString, QRectF>> named() const;
};

// Design sizes of the controls the grid moves but does not size.
constexpr double kOverlayWidth = 20, kOverlayHeight = 24;     // Greek overlays
constexpr double kEquationWidth = 268, kEquationHeight = 56;  // Picture15

// The grid for a client area of scaleWidth x scaleHeight pixels. Sizes that would
// come out negative in a very small window are clamped to 0; positions are kept.
LayoutGrid computeLayout(double scaleWidth, double scaleHeight);

// Places the controls on the grid (rounded to whole pixels), hides Command1 and
// styles the two counters. Shape1, Timer1 and the option buttons are not touched.
void applyLayout(const LayoutGrid& grid, Form1Controls& controls);

}  // namespace velunta
