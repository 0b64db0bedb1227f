#include "export/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velunta {

QStringList dataFolders() {
    // The folder of the executable, also where no QCoreApplication exists yet
    // (the command-line outputs); Linux names it in /proc.
    const QString programFolder = QCoreApplication::instance()
                                      ? QCoreApplication::applicationDirPath()
                                      : QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    // An installed copy keeps its data in ../share/velunta beside bin/, wherever the
    // tree was installed or moved to; a build keeps them beside the program.
    QStringList folders{QDir::cleanPath(programFolder + QStringLiteral("/../share/velunta")), QDir::currentPath(),
                        programFolder};
    folders.removeDuplicates();
    return folders;
}

QString dataFolderInUse() {
    const QString picture = findDataFile(QStringLiteral("ris_1.gif"));
    return picture.isEmpty() ? QString() : QFileInfo(picture).absolutePath();
}

QString findDataFile(const QString& fileName) {
    for (const QString& folder : dataFolders()) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile()) return candidate.absoluteFilePath();
    }
    return {};
}

}  // namespace velunta
