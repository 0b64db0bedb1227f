#include "ui/services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
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
    } else if (style == vbYesNoCancel) {
        // The question before setting unsaved work aside: the answers say what happens.
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.button(QMessageBox::Save)->setText(QCoreApplication::translate("Dialogs", "Сохранить"));
        box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("Dialogs", "Не сохранять"));
        box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Dialogs", "Отмена"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    switch (answer) {
    case QMessageBox::Yes: case QMessageBox::Save: return vbYes;
    case QMessageBox::No: case QMessageBox::Discard: return vbNo;
    case QMessageBox::Cancel: return vbCancel;
    default: return style == vbYesNo ? vbNo : style == vbYesNoCancel ? vbCancel : vbOK;
    }
}

bool QtDocumentOpener::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// Not detached: only a child's exit status tells that nothing took the file. The
// process has no parent, so that the end of the program does not kill a program the
// child is still waiting for; it goes once it has ended.
void QtDocumentOpener::startProgram(const QString& program, const QStringList& arguments,
                                    std::function<void()> failed) {
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        if (failed) failed();
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::finished, process, [process, failed](int code, QProcess::ExitStatus status) {
        if ((code != 0 || status != QProcess::NormalExit) && failed) failed();
        process->deleteLater();
    });
    process->start(program, arguments);
}

}  // namespace velunta
