// The menu's help and information commands, with a recording document opener.

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include "window/form1.h"
#include "window/view_scale.h"
#include "support/fake_desktop.h"
#include "ui/form2.h"

using namespace velunta;
using velunta::testing::FakeDesktop;

class CommandsTest : public QObject {
    Q_OBJECT

    FakeDesktop desktop;
    const std::vector<velunta::testing::ShownBox>& boxes = desktop.dialogs.shown;
    velunta::testing::FakeOpener& opener = desktop.opener;
    std::unique_ptr<QTemporaryDir> work;  // a fresh, empty working folder for every test
    QString startDir;

    static void touch(const QString& path, const QByteArray& text = "x") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
    }
    static QAction* action(Form1& w, const char* name) { return w.findChild<QAction*>(name); }

private slots:
    void init() {
        startDir = QDir::currentPath();
        work = std::make_unique<QTemporaryDir>();
        QVERIFY(work->isValid());
        QDir::setCurrent(work->path());
    }
    void cleanup() { QDir::setCurrent(startDir); }

    void documents_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        QTest::newRow("Справка") << "mnuFilespravka2" << "spravka2.pdf";
        QTest::newRow("Таблица") << "mnuFilespravka" << "spravka.pdf";
        QTest::newRow("История") << "mnuFilesHistory" << "history.pdf";
        QTest::newRow("Управление") << "mnuHelpUprav" << "uprav.pdf";
    }

    // The installed data folder (../share/velunta from the program's folder) comes
    // first, then the working folder, then the folder of the program.
    void documents() {
        QFETCH(QString, item);
        QFETCH(QString, file);
        auto w = desktop.window();
        const QString program = QCoreApplication::applicationDirPath();
        const QDir installed(program + "/../share/velunta");
        // Left behind, the folder would shadow the build's documents for `make run`.
        const auto removeInstalled = qScopeGuard([&] {
            QDir(installed).removeRecursively();
            QDir().rmdir(QDir::cleanPath(installed.absoluteFilePath("..")));
            QFile::remove(program + "/" + file);
        });
        QVERIFY(installed.mkpath("."));
        for (const QString& folder : {program, work->path(), installed.path()}) {  // each one taking over
            touch(folder + "/" + file);
            action(*w, qPrintable(item))->trigger();
            QCOMPARE(opener.opened.last(), QDir::cleanPath(QDir(folder).absoluteFilePath(file)));
        }
        QCOMPARE(opener.opened.size(), 3);
        QVERIFY(boxes.empty());
    }

    // A missing document is said, with the folders searched; the instruction opens in the text editor.
    void otherCommands() {
        auto w = desktop.window();
        action(*w, "mnuFilesHistory")->trigger();
        QCOMPARE(int(boxes.size()), 1);
        QVERIFY(boxes[0].text.startsWith("Не найден файл history.pdf.") && boxes[0].text.contains(QDir::toNativeSeparators(work->path())));
        touch(work->path() + "/instruction.txt");
        action(*w, "mnuHelpInstruction")->trigger();
        QCOMPARE(opener.started.size(), 1);
        QVERIFY(opener.started[0].endsWith(" " + QDir(work->path()).absoluteFilePath("instruction.txt")));
        QVERIFY(opener.opened.isEmpty() && boxes.size() == 1 && !w->instructionWindow());
        // Where no program takes the file, the program shows its text itself, and again after a close.
        opener.fails = true;
        touch(work->path() + "/instruction.txt", "Инструкция\r\nВведите высоту.");
        for (int choice = 0; choice < 2; ++choice) {
            action(*w, "mnuHelpInstruction")->trigger();
            QVERIFY(w->instructionWindow() && w->instructionWindow()->isVisible());
            QCOMPARE(w->instructionWindow()->findChild<QPlainTextEdit*>()->toPlainText(), QString("Инструкция\nВведите высоту."));
            w->instructionWindow()->close();
            QTRY_VERIFY(!w->instructionWindow());
        }
        // A document that nothing opens is said so, as before.
        touch(work->path() + "/uprav.pdf");
        action(*w, "mnuHelpUprav")->trigger();
        QVERIFY(boxes.size() == 2 && boxes[1].title == "НЕТ ПРОГРАММЫ");
    }

    // Every command of every menu, as the menu bar holds them, with a refused "0" typed in
    // the height: the edit is finished before the command acts, with its message first.
    // A dialog a command opens (the table's step, a file, the print preview) is closed
    // unanswered, and it must find the edit finished.
    void everyCommandFinishesThePendingEdit_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("index");
        const auto w = desktop.window();  // recomputed: the entries that float disabled, as the test finds them
        int rows = 0;
        for (QAction* top : w->menuBar()->actions()) {
            const QList<QAction*> items = top->menu()->actions();
            for (int i = 0; i < items.size(); ++i)
                if (!items[i]->isSeparator() && !items[i]->menu() && items[i]->isEnabled() && ++rows)
                    QTest::addRow("%s / %s", qPrintable(top->text()), qPrintable(items[i]->text()))
                        << top->menu()->objectName() << i;
        }
        QVERIFY(rows >= 30);
    }
    void everyCommandFinishesThePendingEdit() {
        QFETCH(QString, menu);
        QFETCH(int, index);
        QStandardPaths::setTestModeEnabled(true);  // the scale a command of "Вид" saves
        auto w = desktop.window();
        QLineEdit* h = w->controls().Text1;
        h->setFocus();
        QTest::keyClick(h, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(h, "0");
        QVERIFY(w->isPending(InputField::h));
        int dialogs = 0;
        bool pendingInDialog = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++dialogs;
                pendingInDialog |= w->isPending(InputField::h);
                if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            }
        });
        closer.start(50);
        w->findChild<QMenu*>(menu)->actions().at(index)->trigger();
        QVERIFY(!w->isPending(InputField::h) && !pendingInDialog);
        if (menu != "mnuExperiment") QCOMPARE(h->text(), QString("2.000"));  // a published fall has its own height
        QVERIFY(!boxes.empty() && boxes[0].title == "Ошибка");
        if (w->findChild<QMenu*>(menu)->actions().at(index)->objectName().contains(QRegularExpression("Save|Print")))
            QCOMPARE(dialogs, 1);
        w->viewScale()->reset();
    }

    // Centred on the main window at every choice, also after either moved; back after its close box.
    void authorsWindowIsCentredEveryTime() {
        auto w = desktop.window();
        for (int choice = 0; choice < 3; ++choice) {
            action(*w, "mnuHelpAvtors")->trigger();
            Form2* f = w->authorsWindow();
            QVERIFY(f && f->isVisible() && !f->isModal());
            QVERIFY((f->frameGeometry().center() - w->frameGeometry().center()).manhattanLength() <= 2);
            QVERIFY(f->Label1->heightForWidth(f->Label1->width()) <= f->Label1->height());  // the whole text shows
            f->move(0, 0);
            w->move(w->x() + 37, w->y() + 23);
            if (choice == 1) {
                f->close();
                QTRY_VERIFY(w->authorsWindow() == nullptr);
            }
        }
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
