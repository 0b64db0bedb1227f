// Whatever keys are pressed in the input fields, the window stays consistent: no
// box while typing, the ball denser than the medium at every moment, no "nan" or
// "inf" in a caption, and after each finished edit at most one box and every
// field showing its quantity in its pattern.

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <random>

#include "window/form1.h"
#include "model/constants.h"
#include "model/format.h"
#include "model/quantities.h"
#include "support/fake_desktop.h"

using namespace velunta;

class RobustnessTest : public QObject {
    Q_OBJECT

    // One key: mostly characters of numbers, often editing keys and selections.
    static void pressRandomKey(QLineEdit* box, std::mt19937& rng) {
        static const QString chars = QStringLiteral("0123456789000.,-+eEdD&HhO 9ж");
        static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right};
        const int kind = int(rng() % 10);
        const QChar ch = chars[int(rng() % chars.size())];
        if (kind < 6) QTest::sendKeyEvent(QTest::Click, box, ch.unicode() < 128 ? QTest::asciiToKey(char(ch.unicode())) : Qt::Key_unknown, ch, {});
        else if (kind < 8) QTest::keyClick(box, keys[rng() % std::size(keys)]);
        else if (kind == 8) QTest::keyClick(box, rng() % 2 ? Qt::Key_Left : Qt::Key_End, Qt::ShiftModifier);
        else QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    }

    static QString consistency(const Model& m) {
        for (int i = 0; i < inputFieldCount; ++i)
            if (!std::isfinite(inputValue(m, inputFields()[i].field))) return "an input is not finite";
        if (!(m.massa * 6 / velunta::kPi / (m.d * m.d * m.d) > m.r0)) return "the ball is not denser than the medium";
        if (!(m.h > 0 && m.eta > 0 && m.c > 0)) return "h, eta or c is not positive";
        const LabelTexts labels = labelTexts(m);
        for (const auto* texts : {&labels.captions(), &labels.toolTips()})
            for (const auto& [label, caption] : *texts)
                if (caption.find("nan") != std::string::npos || caption.find("inf") != std::string::npos)
                    return QString::fromStdString(label + " = " + caption);
        return {};
    }

private slots:
    void anyKeys() {
        testing::FakeDesktop desktop;
        const testing::FakeDialogs& dialogs = desktop.dialogs;
        const auto window = desktop.window();
        QVERIFY(window);
        Form1& w = *window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const Model& m = w.model();
        std::mt19937 rng(20261207);
        const int sequences = qEnvironmentVariableIntValue("VELUNTA_ROBUSTNESS_STEPS");
        QVERIFY(sequences > 0);
        for (int step = 0; step < sequences; ++step) {
            const InputField field = inputFields()[rng() % inputFieldCount].field;
            auto* box = w.findChild<QLineEdit*>(fieldInfo(field).control);
            box->setFocus();
            QString keys;
            for (int n = 1 + int(rng() % 8); n > 0; --n) {
                const std::size_t boxes = dialogs.shown.size();
                const long runs = w.pipelineRuns();
                const QString before = box->text();
                pressRandomKey(box, rng);
                keys += before + " > ";
                const QString where = QString("sequence %1 in %2: %3").arg(step).arg(fieldInfo(field).control, keys + box->text());
                // One recompute for a keystroke that leaves an accepted number, none for a pending
                // text (retyping a selected "0" over itself is a change without a new text).
                const long recomputes = w.pipelineRuns() - runs;
                const bool pending = w.isPending(field);
                QVERIFY2(dialogs.shown.size() == boxes && recomputes <= 1 && !(pending && recomputes) &&
                             !(box->text() != before && !pending && !recomputes) && consistency(m).isEmpty(),
                         qPrintable(where + ": " + consistency(m)));
            }
            const std::size_t boxes = dialogs.shown.size();
            switch (rng() % 4) {
            case 0: QTest::keyClick(box, Qt::Key_Return); break;
            case 1: QTest::keyClick(box, Qt::Key_Tab); break;
            case 2: QTest::keyClick(box, Qt::Key_Escape); break;
            default: QTest::mouseClick(w.controls().Picture1, Qt::LeftButton); QCoreApplication::processEvents();
            }
            const QString where = QString("sequence %1 in %2, finished: %3").arg(step).arg(fieldInfo(field).control, keys + box->text());
            QVERIFY2(dialogs.shown.size() <= boxes + 1 && consistency(m).isEmpty(), qPrintable(where + ": " + consistency(m)));
            for (int i = 0; i < inputFieldCount; ++i) {
                const FieldInfo& f = inputFields()[i];
                QCOMPARE(w.findChild<QLineEdit*>(f.control)->text(),
                         QString::fromStdString(point(Format(inputValue(m, f.field), f.pattern))));
                QVERIFY(!w.isPending(f.field));
            }
        }
        qInfo("%d key sequences; %d boxes on finishing", sequences, int(dialogs.shown.size()));
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
