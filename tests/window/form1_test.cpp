// The main window as a user meets it: start-up, typing into the input fields,
// and the confirmation at the end.

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "window/form1.h"
#include "support/fake_desktop.h"

using namespace velunta;
using velunta::testing::FakeDesktop;

class Form1Test : public QObject {
    Q_OBJECT

    FakeDesktop desktop;
    const std::vector<velunta::testing::ShownBox>& boxes = desktop.dialogs.shown;
    const std::vector<velunta::testing::BeepCall>& tones = desktop.tone.beeps;

    static QLineEdit* box(Form1& w, const QString& name) { return w.findChild<QLineEdit*>(name); }
    static QString caption(Form1& w, const QString& name) { return w.findChild<QLabel*>(name)->text(); }

private slots:
    // Start-up fills the fields but runs no pipeline (the landing boxes keep their own names); showing
    // runs it. (Closing is asked in the run's test and on the screen.)
    void startUp() {
        auto w = desktop.window(false);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(w->pos(), QPoint(int(0.05 * screen.width()), int(0.05 * screen.height())));
        QCOMPARE(caption(*w, "Label26"), QString("Label26"));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(caption(*w, "Label26"), QString("Tmax1 = 1.119497 c"));
        QVERIFY(boxes.empty() && tones.empty());
    }

    // A set of inputs (a preset of the menus) goes in as finished edits, together: no box of its own.
    void inputSetAppliedTogether() {
        auto w = desktop.window();
        QTest::keyClick(box(*w, "Text1"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box(*w, "Text1"), "0");  // pending: finished first, with its message
        QCOMPARE(int(w->applyInputs({{InputField::d, 1}, {InputField::massa, 4084}, {InputField::c, -1}}).size()), 1);
        QCOMPARE(box(*w, "Text4")->text() + box(*w, "Text5")->text() + box(*w, "Text3")->text() + box(*w, "Text1")->text(),
                 QString("1.0000004084.0000000.4702.000"));
        QCOMPARE(int(boxes.size()), 1);  // the height's message only
    }

    // Real keys into a field, then the edit finished. While typing: the text and the caret
    // ("|") as typed, no box, an accepted number taken at once and a pending text not.
    // Finishing: at most one box, the field in its pattern.
    void typing_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");    // {sel} Ctrl+A, {bs}, {end}, {paste:TEXT}
        QTest::addColumn<QString>("typed");   // the text while typing, "|" at the caret
        QTest::addColumn<double>("value");    // the quantity while typing
        QTest::addColumn<bool>("pending");
        QTest::addColumn<QString>("finish");  // Enter, Tab, Esc, ПУСК, click (on a picture), menu (Выход, Нет)
        QTest::addColumn<QString>("shown");   // the field afterwards
        QTest::addColumn<QString>("message"); // the start of the box's text on finishing, if any
        const QString underground = "тело под Землей?! такой расчёт не предусмотрен!";
        const QString fallen = "Уже упало?!";
        QTest::newRow("comma, exponent") << "Text2" << "{sel}-0,5e1" << "-0,5e1|" << -5.0 << false << "Enter" << "-5.000" << "";
        QTest::newRow("comma height") << "Text1" << "{sel}1,5" << "1,5|" << 1.5 << false << "Tab" << "1.500" << "";
        QTest::newRow("decimals deleted") << "Text1" << "{end}{bs}{bs}{bs}{bs}" << "2|" << 2.0 << false << "Enter" << "2.000" << "";
        QTest::newRow("pasted") << "Text7" << "{sel}{paste:1,5e-3}" << "1,5e-3|" << 0.0015 << false << "Enter" << "0.0015000" << "";
        QTest::newRow("diameter") << "Text4" << "{sel}0.012" << "0.012|" << 0.012 << false << "Tab" << "0.012000" << "";
        QTest::newRow("mass") << "Text5" << "{sel}0.0027" << "0.0027|" << 0.0027 << false << "Enter" << "0.002700" << "";
        QTest::newRow("release") << "Text2" << "{sel}0" << "0|" << 0.0 << false << "Enter" << "0.000" << "";
        QTest::newRow("unfinished exponent") << "Text2" << "{sel}1e" << "1e|" << 1.0 << true << "Enter" << "1.000" << "";
        QTest::newRow("Esc restores") << "Text1" << "{sel}7" << "7|" << 7.0 << false << "Esc" << "2.000" << "";
        QTest::newRow("ПУСК while pending") << "Text1" << "{sel}0" << "0|" << 2.0 << true << "ПУСК" << "2.000" << fallen;
        QTest::newRow("two decimal marks") << "Text1" << "{sel}1.2.3" << "1.2.3|" << 1.2 << true << "Enter" << "2.000" << fallen;
        QTest::newRow("below ground, Tab") << "Text1" << "{sel}-1" << "-1|" << 2.0 << true << "Tab" << "3.000" << underground;
        QTest::newRow("too high") << "Text1" << "{sel}200000" << "200000|" << 20000.0 << true << "Enter" << "2.000" << "Слишком высоко!";
        QTest::newRow("beyond a double") << "Text1" << "{sel}1e400" << "1e400|" << 10000.0 << true << "Enter" << "2.000" << "Слишком большое число!";
        QTest::newRow("diameter too large for the mass") << "Text4" << "{sel}0.1" << "0.1|" << 0.01 << true << "Enter" << "0.009901" << "Плотность шара";
        QTest::newRow("no diameter, click elsewhere") << "Text4" << "{sel}0" << "0|" << 0.01 << true << "click" << "0.001000" << "Это не материальная точка!";
        QTest::newRow("mass too small") << "Text5" << "{sel}0.000001" << "0.000001|" << 0.004084 << true << "Enter" << "0.004125" << "Масса мала.";
        QTest::newRow("medium denser than the ball") << "Text6" << "{sel}8000" << "8000|" << 800.0 << true << "Enter" << "3899.933" << "Всплывание не моделируется";
        QTest::newRow("vacuum, then a menu command") << "Text6" << "{sel}0" << "0|" << 1000.0 << true << "menu" << "1.230" << "Для вакуума всё и так известно! Возьмите хотя бы воздух.";
        QTest::newRow("viscosity rounds to zero") << "Text7" << "{sel}0.00000001" << "0.00000001|" << 0.001004 << true << "Enter" << "0.0000182" << "Для вакуума всё и так известно! Возьмите воздух!";
        QTest::newRow("no drag, no beep") << "Text3" << "{sel}0" << "0|" << 0.47 << true << "Enter" << "0.470" << "Для случая с <= 0 программа не работает.";
    }

    void typing() {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, typed);
        QFETCH(double, value);
        QFETCH(bool, pending);
        QFETCH(QString, finish);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        auto w = desktop.window();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        const InputField quantity = findField(field.toStdString())->field;
        QLineEdit* edit = box(*w, field);
        edit->setFocus();
        w->controls().HScroll2->setValue(0);  // a run without pauses

        static const QHash<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> named{
            {"sel", {Qt::Key_A, Qt::ControlModifier}}, {"paste", {Qt::Key_V, Qt::ControlModifier}}, {"bs", {Qt::Key_Backspace, {}}},
            {"end", {Qt::Key_End, {}}}};
        static const QRegularExpression token(R"(\{(\w+)(?::([^}]*))?\}|.)");
        for (auto it = token.globalMatch(keys); it.hasNext();) {
            const QRegularExpressionMatch key = it.next();
            if (key.captured(1) == "paste") QGuiApplication::clipboard()->setText(key.captured(2));
            if (key.captured(1).isEmpty()) QTest::keyClicks(edit, key.captured(0));
            else QTest::keyClick(edit, named.value(key.captured(1)).first, named.value(key.captured(1)).second);
        }
        QVERIFY(boxes.empty());
        QCOMPARE(edit->text() + "|" + QString::number(edit->cursorPosition()),
                 QString(typed).remove('|') + "|" + QString::number(typed.indexOf('|')));
        QCOMPARE(inputValue(w->model(), quantity), value);
        QVERIFY(w->isPending(quantity) == pending && edit->toolTip().contains("Enter") == pending);

        if (finish == "ПУСК") QTest::mouseClick(w->controls().CmdOK, Qt::LeftButton);
        else if (finish == "click") QTest::mouseClick(w->controls().Picture1, Qt::LeftButton);
        else if (finish == "menu") w->controls().mnuFileExit->trigger();
        else QTest::keyClick(edit, finish == "Tab" ? Qt::Key_Tab : finish == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
        QCoreApplication::processEvents();  // a field left by a click is finished after the release
        QCOMPARE(edit->text(), shown);
        QVERIFY(inputValue(w->model(), quantity) == shown.toDouble() && !w->isPending(quantity));
        std::erase_if(desktop.dialogs.shown, [](const auto& b) { return b.style == vbYesNoCancel; });  // the unsaved lesson's
        QCOMPARE(int(boxes.size()), int(!message.isEmpty()) + int(finish == "menu"));  // the menu's own question
        if (!message.isEmpty()) QVERIFY2(boxes[0].text.startsWith(message) && boxes[0].title == "Ошибка", qPrintable(boxes[0].text));
        const bool beeps = !message.isEmpty() && field != "Text3";
        QCOMPARE(int(tones.size()), int(beeps) + int(finish == "ПУСК"));  // the run ends with a tone too
        if (beeps) QCOMPARE(tones[0].durationMs, 300);
        for (const char* ascent : {"Label16", "Label24", "Label29", "Label19", "Label25", "Label30"})
            QCOMPARE(w->findChild<QLabel*>(ascent)->isVisible(), w->model().V0y > 0);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
