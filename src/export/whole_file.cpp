#include "export/whole_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace velunta {

QString fileErrorReason(int error) {
    switch (error) {
        case ENOSPC: return QCoreApplication::translate("WholeFile", "на диске нет места");
        case EDQUOT: return QCoreApplication::translate("WholeFile", "исчерпана квота на диске");
        case EFBIG: return QCoreApplication::translate("WholeFile", "файл слишком велик");
        case EROFS: return QCoreApplication::translate("WholeFile", "диск только для чтения");
        case EACCES:
        case EPERM: return QCoreApplication::translate("WholeFile", "нет прав на запись");
        case ENOTDIR: return QCoreApplication::translate("WholeFile", "часть пути — не папка");
        case ENOENT: return QCoreApplication::translate("WholeFile", "нет такой папки");
        case EISDIR: return QCoreApplication::translate("WholeFile", "это папка, а не файл");
        case ENAMETOOLONG: return QCoreApplication::translate("WholeFile", "слишком длинное имя");
        case EIO: return QCoreApplication::translate("WholeFile", "ошибка ввода-вывода");
        case ETXTBSY:
        case EBUSY: return QCoreApplication::translate("WholeFile", "файл занят");
        default: return QCoreApplication::translate("WholeFile", "ошибка системы (код %1)").arg(error);
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
    error = QCoreApplication::translate("WholeFile", "Не удалось записать файл «%1»: %2")
                .arg(path, reason ? fileErrorReason(reason) : QCoreApplication::translate("WholeFile", "ошибка записи"));
    return false;
}

}  // namespace velunta
