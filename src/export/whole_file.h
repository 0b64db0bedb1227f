#pragma once
// Every file the program saves is written whole or not at all: the bytes are
// made in memory first, QSaveFile writes them next to the target and renames
// only when every write, the flush and the sync went through, so a full disk
// or an interrupted save never leaves half a table, picture or page, and the
// file that was there before stays as it was.

#include <QByteArray>
#include <QString>

namespace velunta {

// Puts `data` in place as the file `path`; otherwise no new file is left, an
// old one is untouched, and `error` says why, in Russian, with the system's reason.
bool writeWholeFile(const QString& path, const QByteArray& data, QString& error);

// The reason for a failed file operation, in Russian, from its errno.
QString fileErrorReason(int error);

}  // namespace velunta
