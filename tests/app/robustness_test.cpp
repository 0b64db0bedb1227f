// Whatever is typed, the window keeps a consistent state: every field shows
// its quantity in its pattern, the ball stays denser than the medium, no
// caption says "nan" or "inf", and no recompute takes long.

#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>
#include <cmath>
#include <random>

#include "app/form1.h"
#include "model/format.h"
#include "support/fakes.h"

using namespace velunta;
using velunta::testing::FakeDialogs;
using velunta::testing::FakeOpener;
using velunta::testing::FakeTone;

#ifndef VELUNTA_ROBUSTNESS_STEPS
#define VELUNTA_ROBUSTNESS_STEPS 100000
#endif

class RobustnessTest : public QObject {
    Q_OBJECT

    // Texts that look like numbers often enough to reach every check.
    static QString randomText(std::mt19937& rng) {
        static const QStringList pieces{"0", "1", "2", "3", "5", "7", "9", "0.", ".", "-", "+", "e", "E", "d",
                                        "D", "e-", "e+3", "E30", "e300", "e400", "&H", "&O", "F", "7F", " ",
                                        ",", "00", "000", "0.0000", "1e-9", "х", "ж", "abc", "\t", "99999"};
        std::uniform_int_distribution<int> length(0, 6);
        std::uniform_int_distribution<int> piece(0, int(pieces.size()) - 1);
        QString text;
        for (int i = length(rng); i > 0; --i) text += pieces[piece(rng)];
        return text;
    }

private slots:
    void anythingTyped() {
        FakeDialogs dialogs;
        FakeTone tone;
        FakeOpener opener;
        Form1 w(Form1Services{&dialogs, &tone, &opener});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const Model& m = w.model();

        std::mt19937 rng(20261206);
        std::uniform_int_distribution<int> pick(0, inputFieldCount - 1);
        qint64 slowest = 0;
        QString slowestCase;
        const int steps = qEnvironmentVariableIsSet("VELUNTA_ROBUSTNESS_STEPS")
                              ? qEnvironmentVariableIntValue("VELUNTA_ROBUSTNESS_STEPS")
                              : VELUNTA_ROBUSTNESS_STEPS;
        for (int step = 0; step < steps; ++step) {
            const FieldInfo& field = inputFields()[pick(rng)];
            auto* box = w.findChild<QLineEdit*>(field.control);
            const QString text = randomText(rng);
            const long runsBefore = w.pipelineRuns();
            QElapsedTimer clock;
            clock.start();
            box->selectAll();
            box->insert(text);
            const qint64 ns = clock.nsecsElapsed();
            const long runs = std::max(1L, w.pipelineRuns() - runsBefore);
            if (ns / runs > slowest) {
                slowest = ns / runs;
                slowestCase = QString("'%1' into %2 with h=%3 V0y=%4 d=%5 massa=%6 r0=%7 eta=%8 c=%9")
                                  .arg(text, field.control)
                                  .arg(m.h).arg(m.V0y).arg(m.d).arg(m.massa).arg(m.r0).arg(m.eta).arg(m.c);
            }
            QVERIFY2(ns / runs < 100'000'000,
                     qPrintable(QString("step %1: '%2' into %3 took %4 ms").arg(step).arg(text, field.control).arg(ns / 1e6)));

            for (int i = 0; i < inputFieldCount; ++i) {
                const FieldInfo& f = inputFields()[i];
                const QString shown = w.findChild<QLineEdit*>(f.control)->text();
                QCOMPARE(shown, QString::fromStdString(point(Format(inputValue(m, f.field), f.pattern))));
                QVERIFY(std::isfinite(inputValue(m, f.field)));
            }
            QVERIFY2(m.massa * 6 / 3.14159265 / (m.d * m.d * m.d) > m.r0,
                     qPrintable(QString("step %1: '%2' into %3").arg(step).arg(text, field.control)));
            QVERIFY(m.h > 0 && m.eta > 0 && m.c > 0);
            for (const auto* texts : {&m.labels.captions(), &m.labels.toolTips()})
                for (const auto& [label, caption] : *texts)
                    QVERIFY2(caption.find("nan") == std::string::npos && caption.find("inf") == std::string::npos,
                             qPrintable(QString("step %1: '%2' into %3 gave %4 = %5")
                                            .arg(step)
                                            .arg(text, field.control, QString::fromStdString(label),
                                                 QString::fromStdString(caption))));
        }
        qInfo("%d texts typed; slowest recompute %.1f ms (%s); %d boxes shown", steps, slowest / 1e6,
              qPrintable(slowestCase), int(dialogs.shown.size()));
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
