#include "ui/fit_text.h"

#include <QFontMetricsF>

namespace velunta {

namespace {
constexpr double kSmallestPt = 6;
const char* const kDesignSize = "velunta_designPointSize";
}  // namespace

double textRoom(const QLabel& label) { return label.contentsRect().width() - std::max(0, label.indent()) - 1; }

void fitTextToBox(QLabel& label) {
    if (!label.property(kDesignSize).isValid()) label.setProperty(kDesignSize, label.font().pointSizeF());
    const double design = label.property(kDesignSize).toDouble();
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
