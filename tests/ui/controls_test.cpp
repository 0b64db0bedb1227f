// The controls of both windows as the user first sees them: kind, visibility, the menu tree and the tab order.

#include <QMenuBar>
#include <QtTest>

#include "ui/form1_controls.h"
#include "ui/form2.h"
#include "ui/layout_grid.h"

using namespace velunta;

class ControlsTest : public QObject {
    Q_OBJECT
    QWidget client_;
    QMenuBar menuBar_;
    Form1Controls c_;

private slots:
    void initTestCase() {
        client_.resize(800, 512);
        buildForm1Controls(&client_, &menuBar_, c_);
        applyLayout(computeLayout(800, 512), c_);
    }

    // The table is the inventory: each row's control exists with its class, and nothing named is left out.
    void everyControlWithItsClass() {
        QStringList names;
        for (const ControlRow& row : form1ControlTable()) {
            const QObject* control = c_.find(row.name);
            QVERIFY2(control && QByteArray(control->metaObject()->className()) == row.kind, row.name);
            QVERIFY2(!names.contains(row.name), row.name);
            names << row.name;
        }
        QCOMPARE(names.size(), 71);
        for (const QObject* o : client_.findChildren<QObject*>())
            QVERIFY2(o->objectName().isEmpty() || o->objectName().startsWith("qt_") || names.contains(o->objectName()),
                     qPrintable(o->objectName()));
        Form2 authors;
        QCOMPARE(authors.findChild<QLabel*>("Image1"), authors.Image1);
        QCOMPARE(authors.findChild<QLabel*>("Label1"), authors.Label1);
        QVERIFY(authors.Image1 && authors.Label1 && !authors.Image1->pixmap().isNull());
    }

    // Only the graph areas, the horizontal bar and the recompute button start hidden.
    void startVisibility() {
        const QStringList hidden{"Picture2", "Picture3", "HScroll1", "Command1"};
        for (QWidget* w : client_.findChildren<QWidget*>())
            if (!w->objectName().isEmpty()) QVERIFY2(w->isHidden() == hidden.contains(w->objectName()), qPrintable(w->objectName()));
        QVERIFY(c_.Option1->isChecked());
    }

    void menuTree() {
        QCOMPARE(menuBar_.actions().size(), 2);
        QCOMPARE(menuBar_.actions()[0]->menu(), c_.mnuFile);
        QCOMPARE(menuBar_.actions()[1]->menu(), c_.mnuHelp);
        const QStringList fileItems{"Справка", "Таблица", "История", "-", "Выход"};
        const QStringList helpItems{"Инструкция", "Управление", "-", "Авторы", "О программе", "Регистрация"};
        for (const auto& [menu, expected] : {std::pair{c_.mnuFile, fileItems}, {c_.mnuHelp, helpItems}}) {
            QStringList actual;
            for (QAction* item : menu->actions()) {
                actual << (item->isSeparator() ? QString("-") : item->text());
                QVERIFY2(item->isSeparator() || !item->icon().pixmap(32).isNull(), qPrintable(item->text()));
            }
            QCOMPARE(actual, expected);
        }
    }

    void tabOrder() {
        QList<QWidget*> stops;
        for (QWidget* w = client_.nextInFocusChain(); w != &client_ && stops.size() < 8; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && client_.isAncestorOf(w)) stops << w;
        QCOMPARE(stops, (QList<QWidget*>{c_.CmdOK, c_.Text2, c_.Text1, c_.Text4, c_.Text5, c_.Text6, c_.Text7, c_.Text3}));
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
