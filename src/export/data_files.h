#pragma once
// Where the program finds the files that lie beside it: the explanatory
// pictures and the help documents. The installed data folder comes first
// (share/velunta beside the program's bin/), then the working folder, then
// the folder of the executable (a build keeps them there).

#include <QString>
#include <QStringList>

namespace velunta {

// The folders searched, in order.
QStringList dataFolders();

// The first of those folders that holds the explanatory pictures, or an empty
// string when none does.
QString dataFolderInUse();

// The full path of the first file of that name, or an empty string.
QString findDataFile(const QString& fileName);

}  // namespace velunta
