// The controls of both windows as the user first sees them: kind, visibility, the menu tree and the tab order.

#include <QTest>

#include "support/built_controls.h"
#include "ui/form2.h"

using namespace velunta;

class ControlsTest : public QObject, testing::BuiltControls {
    Q_OBJECT

private slots:
    // The table is the inventory: each row's control exists with its class, and nothing named is left out
    // (a row twice would leave one out).
    void everyControlWithItsClass() {
        QStringList names;
        for (const ControlRow& row : form1ControlTable()) {
            const QObject* control = c.find(row.name);
            QVERIFY2(control && QByteArray(control->metaObject()->className()) == row.kind, row.name);
            names << row.name;
        }
        QCOMPARE(names.size(), 71);
        for (const QObject* o : client.findChildren<QObject*>())
            QVERIFY2(o->objectName().isEmpty() || o->objectName().startsWith("qt_") || names.contains(o->objectName()),
                     qPrintable(o->objectName()));
        QVERIFY(!Form2().Image1->pixmap().isNull());  // the authors' picture
    }

    // Only the graph areas, the horizontal bar and the recompute button start hidden.
    void startVisibility() {
        const QStringList hidden{"Picture2", "Picture3", "HScroll1", "Command1"};
        for (QWidget* w : client.findChildren<QWidget*>())
            if (!w->objectName().isEmpty()) QVERIFY2(w->isHidden() == hidden.contains(w->objectName()), qPrintable(w->objectName()));
        QVERIFY(c.Option1->isChecked());
    }

    void menuTree() {
        QCOMPARE(menuBar.actions(), (QList<QAction*>{c.mnuFile->menuAction(), c.mnuHelp->menuAction()}));
        const QStringList fileItems{"Справка", "Таблица", "История", "-", "Выход"};
        const QStringList helpItems{"Инструкция", "Управление", "-", "Авторы", "О программе", "Регистрация"};
        for (const auto& [menu, expected] : {std::pair{c.mnuFile, fileItems}, {c.mnuHelp, helpItems}}) {
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
        for (QWidget* w = client.nextInFocusChain(); w != &client && stops.size() < 8; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && client.isAncestorOf(w)) stops << w;
        QCOMPARE(stops, (QList<QWidget*>{c.CmdOK, c.Text2, c.Text1, c.Text4, c.Text5, c.Text6, c.Text7, c.Text3}));
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
