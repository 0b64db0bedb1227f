#include "ui/services.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace velunta {

int QtDialogs::MsgBox(const QString& text, int style, const QString& title) {
    // Line breaks come as CR LF, as the program writes them; Qt wants LF alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::NoButton, parent_);
    if (style == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    switch (answer) {
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    default: return style == vbYesNo ? vbNo : vbOK;
    }
}

bool QtDocumentOpener::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDocumentOpener::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

}  // namespace velunta
