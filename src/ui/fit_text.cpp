#include "ui/fit_text.h"

#include <QFontMetricsF>
#include <cmath>

namespace velunta {

namespace {
constexpr double kSmallestPt = 6;
const char* const kDesignSize = "velunta_designPointSize";
const char* const kFittedFor = "velunta_fittedFor";

// What the last fit started from: the same again gives the same font, without
// measuring the text once more (every recompute fits every caption).
struct FittedFor {
    QString text;
    double design = 0, room = 0;
    QFont font;
    bool operator==(const FittedFor&) const = default;
};
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
    const FittedFor now{label.text(), design, room, label.font()};
    if (label.property(kFittedFor).value<FittedFor>() == now) return;
    QFont font = label.font();
    double size = design;
    for (; size > kSmallestPt; size -= 0.25) {
        font.setPointSizeF(size);
        if (QFontMetricsF(font).horizontalAdvance(label.text()) <= room) break;
    }
    font.setPointSizeF(size);
    if (font != label.font()) label.setFont(font);
    label.setProperty(kFittedFor, QVariant::fromValue(FittedFor{label.text(), design, room, label.font()}));
}

}  // namespace velunta
