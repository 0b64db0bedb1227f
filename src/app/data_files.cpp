#include "app/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef VELUNTA_DATA_DIR
#define VELUNTA_DATA_DIR "/usr/local/share/velunta"
#endif

namespace velunta {

QStringList dataFolders() {
    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance()) folders << QCoreApplication::applicationDirPath();
    folders << QStringLiteral(VELUNTA_DATA_DIR);
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
