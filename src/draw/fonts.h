#pragma once
// The fonts of the window, its pictures and its sheets.

#include <QFont>
#include <QString>

namespace velunta {

// "Times New Roman" where it is installed, otherwise its metric twin, then any serif.
inline QFont serifFont(double pointSize, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// The classic small dialog font of the buttons and the small dialog.
inline QFont dialogFont(bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

}  // namespace velunta
