#pragma once
// Page geometry and type sizes of the help documents, in points (1/72 inch)
// unless the name says otherwise.

#include <QString>

namespace velunta::mkpdf {

struct PageStyle {
    QString bodyFamily = QStringLiteral("Liberation Serif");
    QString monoFamily = QStringLiteral("Liberation Mono");
    double bodySize = 11.5;
    double heading1Size = 19.0;
    double heading2Size = 14.5;
    double heading3Size = 12.5;
    double footerSize = 9.0;
    int lineHeightPercent = 118;
    double paragraphGap = 5.0;

    // A4 with margins that leave room for the footer.
    double marginLeftMm = 22.0;
    double marginRightMm = 18.0;
    double marginTopMm = 18.0;
    double marginBottomMm = 22.0;
    double footerOffsetMm = 10.0;  // baseline of the footer above the paper's bottom edge

    int resolutionDpi = 300;  // device units of the layout

    // Lengths painted directly on the sheet (footer, page geometry).
    double px(double points) const { return points * resolutionDpi / 72.0; }
    // Lengths inside the text layout (margins, padding, borders): the layout
    // reads them as pixels at 96 dpi and scales them to the device itself.
    double layoutPx(double points) const { return points * 96.0 / 72.0; }
    double mmToPx(double mm) const { return mm * resolutionDpi / 25.4; }
};

}  // namespace velunta::mkpdf
