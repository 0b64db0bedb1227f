// The help and information commands of the menu. None of them touches the
// model or the drawings.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "export/data_files.h"
#include "window/form1.h"
#include "ui/form2.h"
#include "window/language.h"

namespace velunta {

namespace {

const char* const kVersion11 =
    QT_TRANSLATE_NOOP("Form1", "Версия 1.1 (декабрь 2026): справочные документы, проверка ввода, пояснительные рисунки.");

// The lines of a message, each translated; "%1" in one is the version.
QString lines(std::initializer_list<const char*> parts) {
    QStringList list;
    for (const char* p : parts) {
        const QString line = QCoreApplication::translate("Form1", p);
        list << (line.contains(QLatin1String("%1")) ? line.arg(QLatin1String(VELUNTA_VERSION)) : line);
    }
    return list.join(QStringLiteral("\r\n"));
}

}  // namespace

// A document that is found nowhere, or that the desktop cannot open, is said
// so: a command that silently does nothing would look like a success.
void Form1::openDocument(const QString& fileName) {
    const QString found = findDataFile(fileName);
    const QString path = found.isEmpty() ? found : helpDocumentPath(found, currentLanguage());
    if (path.isEmpty()) {
        QStringList folders;
        for (const QString& folder : dataFolders()) folders << QDir::toNativeSeparators(folder);
        services_.dialogs->MsgBox(tr("Не найден файл %1.\r\nИскали в папках:\r\n%2").arg(fileName, folders.join(QStringLiteral("\r\n"))),
                                  vbOKOnly, tr("НЕТ ФАЙЛА"));
        return;
    }
    if (!services_.opener->openDocument(path))
        services_.dialogs->MsgBox(tr("Не удалось открыть файл %1.\r\nВ системе нет программы для просмотра таких файлов.")
                                      .arg(QDir::toNativeSeparators(path)),
                                  vbOKOnly, tr("НЕТ ПРОГРАММЫ"));
}

void Form1::mnuFilespravka2_Click() { openDocument("spravka2.pdf"); }
void Form1::mnuFilespravka_Click() { openDocument("spravka.pdf"); }
void Form1::mnuFilesHistory_Click() { openDocument("history.pdf"); }
void Form1::mnuHelpUprav_Click() { openDocument("uprav.pdf"); }

// The instruction opens in a text editor: notepad on Windows, the desktop's
// handler for plain text elsewhere. Where there is none, or it fails, the
// program shows the text itself.
void Form1::mnuHelpInstruction_Click() {
    const QString found = findDataFile("instruction.txt");
    const QString path = found.isEmpty() ? found : helpDocumentPath(found, currentLanguage());
    if (path.isEmpty()) {
        openDocument("instruction.txt");  // says where it was looked for
        return;
    }
#ifdef Q_OS_WIN
    const QString editor = QStringLiteral("notepad.exe");
#else
    const QString editor = QStringLiteral("xdg-open");
#endif
    services_.opener->startProgram(editor, {path}, [window = QPointer<Form1>(this), path] {
        if (window) window->showInstructionWindow(path);
    });
}

void Form1::showInstructionWindow(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        services_.dialogs->MsgBox(tr("Не удалось прочитать файл %1.").arg(QDir::toNativeSeparators(path)), vbOKOnly,
                                  tr("НЕТ ФАЙЛА"));
        return;
    }
    if (!instruction_) {
        instruction_ = new QWidget(this, Qt::Window);
        instruction_->setObjectName(QStringLiteral("instructionWindow"));
        instruction_->setAttribute(Qt::WA_DeleteOnClose);
        instruction_->setWindowTitle(QCoreApplication::translate("Form1", "Инструкция"));
        auto* text = new QPlainTextEdit(instruction_);
        text->setObjectName(QStringLiteral("instructionText"));
        text->setReadOnly(true);
        auto* column = new QVBoxLayout(instruction_);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(text);
        // About eighty characters wide, as a text editor would open it.
        instruction_->resize(text->fontMetrics().horizontalAdvance(QString(80, 'n')) + 40,
                             text->fontMetrics().lineSpacing() * 30);
    }
    auto* text = instruction_->findChild<QPlainTextEdit*>(QStringLiteral("instructionText"));
    text->setPlainText(QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    instruction_->show();
    instruction_->raise();
    instruction_->activateWindow();
}

void Form1::mnuHelpAbout_Click() {
    services_.dialogs->MsgBox(
        lines({QT_TRANSLATE_NOOP("Form1", "Программа моделирует вертикальное движение шара в среде вблизи поверхности Земли"),
               QT_TRANSLATE_NOOP("Form1", "с учётом силы Архимеда и сил сопротивления, линейно и квадратично зависящих от скорости."), " ",
               QT_TRANSLATE_NOOP("Form1", "История версий:"),
               QT_TRANSLATE_NOOP("Form1", "Версия 1.0 (декабрь 2026): три модели движения и анимация; работает в Linux (Debian 12) "
                                  "с Qt 6; авторы: команда проекта «Велунта»."),
               " ", kVersion11}),
        vbOKOnly, tr("О ПРОГРАММЕ"));
}

// What the program is, its version and licence, and how to report a fault.
void Form1::mnuHelpAbout2_Click() {
    services_.dialogs->MsgBox(
        lines({QT_TRANSLATE_NOOP("Form1", "Велунта, версия %1."),
               QT_TRANSLATE_NOOP("Form1", "Учебная программа: вертикальное движение шара в вакууме и в среде."),
               QT_TRANSLATE_NOOP("Form1", "Свободная программа: лицензия GNU GPL версии 3 или любой более поздней версии."),
               QT_TRANSLATE_NOOP("Form1", "Исходный код распространяется вместе с программой."),
               QT_TRANSLATE_NOOP("Form1", "Государственной регистрации у программы нет."),
               QT_TRANSLATE_NOOP("Form1", "Об ошибке сообщите разработчикам: приложите вывод команды velunta --version"),
               QT_TRANSLATE_NOOP("Form1", "и исходные данные, при которых ошибка появилась.")}),
        vbOKOnly, tr("РЕГИСТРАЦИЯ"));
}

void Form1::mnuHelpAvtors_Click() {
    if (!form2_) {
        form2_ = new Form2(this);
        form2_->setAttribute(Qt::WA_DeleteOnClose);
    }
    form2_->Label1->setText(
        lines({QT_TRANSLATE_NOOP("Form1", "Велунта %1 — учебная программа: вертикальное движение шара в вакууме и в среде."),
               QT_TRANSLATE_NOOP("Form1", "Свободная программа, лицензия GNU GPL версии 3 или более поздней; исходный код "
                                  "распространяется вместе с ней."),
               QT_TRANSLATE_NOOP("Form1", "Об ошибке сообщите разработчикам, приложив вывод команды"),  // the command on a line of its own
               QT_TRANSLATE_NOOP("Form1", "velunta --version и исходные данные.")})
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // Centred on the main window wherever either of them stands. A window shown
    // for the first time gets its frame only when shown, so it is placed again then.
    auto centre = [this]() {
        const QRect main = frameGeometry();
        const QSize own = form2_->frameGeometry().size();
        form2_->move(main.x() + (main.width() - own.width()) / 2, main.y() + (main.height() - own.height()) / 2);
    };
    centre();
    form2_->show();
    centre();
    form2_->raise();
}

}  // namespace velunta
