#pragma once
// Where the program keeps what it remembers between runs (the view, the language,
// the text sizes, the recent lessons): ~/.config/Velunta/velunta.conf.

#include <QSettings>

namespace velunta {

inline QSettings programSettings() { return QSettings(QStringLiteral("Velunta"), QStringLiteral("velunta")); }

}  // namespace velunta
