#pragma once
// Every file the program saves is written whole or not at all: QSaveFile
// writes next to the target and renames only when everything went through,
// so a failed or interrupted save never leaves half a table, picture or page.

#include <QIODevice>
#include <QString>
#include <functional>

namespace velunta {

// Runs `write` on the open file and puts it in place when `write` returns true;
// otherwise no file is left and `error` says why, in the user's language.
bool writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write, QString& error);

}  // namespace velunta
