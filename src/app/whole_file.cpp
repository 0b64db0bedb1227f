#include "app/whole_file.h"

#include <QSaveFile>

namespace velunta {

bool writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write, QString& error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit()) return true;
    file.cancelWriting();
    error = QStringLiteral("Не удалось записать файл «%1»: %2").arg(path, file.errorString());
    return false;
}

}  // namespace velunta
