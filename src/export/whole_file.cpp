#include "export/whole_file.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace velunta {

QString fileErrorReason(int error) {
    switch (error) {
        case ENOSPC: return QStringLiteral("на диске нет места");
        case EDQUOT: return QStringLiteral("исчерпана квота на диске");
        case EFBIG: return QStringLiteral("файл слишком велик");
        case EROFS: return QStringLiteral("диск только для чтения");
        case EACCES:
        case EPERM: return QStringLiteral("нет прав на запись");
        case ENOTDIR: return QStringLiteral("часть пути — не папка");
        case ENOENT: return QStringLiteral("нет такой папки");
        case EISDIR: return QStringLiteral("это папка, а не файл");
        case ENAMETOOLONG: return QStringLiteral("слишком длинное имя");
        case EIO: return QStringLiteral("ошибка ввода-вывода");
        case ETXTBSY:
        case EBUSY: return QStringLiteral("файл занят");
        default: return QStringLiteral("ошибка системы (код %1)").arg(error);
    }
}

bool writeWholeFile(const QString& path, const QByteArray& data, QString& error) {
    // Unbuffered: each write goes to the system at once, so its errno is the reason.
    QSaveFile file(path);
    int reason = 0;
    errno = 0;
    if (QFileInfo(path).isDir())
        reason = EISDIR;
    else if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        reason = errno;
    else if (file.write(data) != data.size())
        reason = errno;
    else if (errno = 0; !file.commit())
        reason = errno;
    else
        return true;
    file.cancelWriting();
    error = QStringLiteral("Не удалось записать файл «%1»: %2")
                .arg(path, reason ? fileErrorReason(reason) : QStringLiteral("ошибка записи"));
    return false;
}

}  // namespace velunta
