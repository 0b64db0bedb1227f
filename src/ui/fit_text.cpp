#include "ui/fit_text.h"

#include <QFontMetricsF>
#include <cmath>

namespace velunta {

namespace {
constexpr double kSmallestPt = 6;
const char* const kDesignSize = "velunta_designPointSize";
}  // namespace

double textRoom(const QLabel& label) { return label.contentsRect().width() - std::max(0, label.indent()) - 1; }

double designPointSize(const QLabel& label) {
    const QVariant design = label.property(kDesignSize);
    return design.isValid() ? design.toDouble() : label.font().pointSizeF();
}

void fitTextToBox(QLabel& label, double scale) {
    if (!label.property(kDesignSize).isValid()) label.setProperty(kDesignSize, label.font().pointSizeF());
    // Quarter points from the scaled design size down, so that every step's sizes
    // are the same whichever step came before.
    const double design = std::floor(label.property(kDesignSize).toDouble() * scale * 4) / 4;
    const double room = textRoom(label);
    QFont font = label.font();
    double size = design;
    for (; size > kSmallestPt; size -= 0.25) {
        font.setPointSizeF(size);
        if (QFontMetricsF(font).horizontalAdvance(label.text()) <= room) break;
    }
    font.setPointSizeF(size);
    if (font != label.font()) label.setFont(font);
}

}  // namespace velunta
