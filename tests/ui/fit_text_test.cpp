// Result captions show their whole text in boxes of fixed size: the font
// shrinks just enough, and only where the text would not fit.

#include <QTest>

#include "support/built_controls.h"
#include "support/fake_desktop.h"
#include "ui/fit_text.h"
#include "model/quantities.h"

using namespace velunta;

namespace {
double advance(const QLabel& label) { return QFontMetricsF(label.font()).horizontalAdvance(label.text()); }
}  // namespace

class FitTextTest : public QObject, testing::BuiltControls {
    Q_OBJECT

private slots:
    void captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shrinks");
        QTest::newRow("short") << "Label30" << "Ymax2 = 2.19 м" << false;
        QTest::newRow("Ymax2") << "Label30" << "Ymax2 = 2.193E+00 м" << true;
        QTest::newRow("Y_end2") << "Label35" << "Y_end2 = -6.309e-08 м" << true;
        QTest::newRow("Tmax2") << "Label31" << "Tmax2= 8734.99121094 c" << true;
        QTest::newRow("Vy(y=0): 10.75 pt, off the half points") << "Label42" << "Vy(y=0) = -6265.460 м/c" << true;
        QTest::newRow("back to short") << "Label30" << "Ymax2 = 2.19 м" << false;
    }

    // The largest quarter-point size that fits: the text fits, a quarter point more would not.
    void captions() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, shrinks);
        QLabel& label = *c.label(name);
        label.setText(text);
        fitTextToBox(label);
        QVERIFY2(advance(label) <= textRoom(label), qPrintable(QString::number(advance(label))));
        QCOMPARE(label.font().pointSizeF() < 12, shrinks);
        QFont larger = label.font();
        larger.setPointSizeF(larger.pointSizeF() + 0.25);
        QVERIFY(!shrinks || QFontMetricsF(larger).horizontalAdvance(text) > textRoom(label));
    }

    // The window: every result caption whole after a long fall in a dense medium (long numbers).
    void window() {
        testing::FakeDesktop desktop;
        const auto w = desktop.window();
        for (const QString field : {"Text1=20000", "Text4=0.001", "Text6=1260"})
            w->findChild<QLineEdit*>(field.section('=', 0, 0))->setText(field.section('=', 1));
        QVERIFY(desktop.dialogs.shown.empty());
        const velunta::LabelTexts texts = velunta::labelTexts(w->model());
        for (const auto& [name, text] : texts.captions()) {
            const QLabel* label = w->controls().label(QString::fromStdString(name));
            QVERIFY2(label && advance(*label) <= textRoom(*label), name.c_str());
        }
    }
};

QTEST_MAIN(FitTextTest)
#include "fit_text_test.moc"
