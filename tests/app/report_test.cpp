// `velunta --report`: the numbers a teacher tabulates, without a window.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <sstream>
#include <sys/resource.h>

#include "app/report.h"

using namespace velunta;

class ReportTest : public QObject {
    Q_OBJECT

    static QString program() { return qEnvironmentVariable("VELUNTA_RUN_DIR") + "/velunta"; }

    struct Run {
        int status;
        QByteArray out, err;
    };
    static Run run(const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");  // the report needs no display
        env.remove("QT_QPA_PLATFORM");
        p.setProcessEnvironment(env);
        p.start(program(), QStringList{"--report"} + args);
        p.waitForFinished(30000);
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

private slots:
    void defaultsPrintTheClassCaptions() {
        const Run r = run({});
        QCOMPARE(r.status, 0);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject captions = doc.object()["captions"].toObject();
        QCOMPARE(captions["Label16"].toString(), QString("Tp = 0.305686 c"));
        QCOMPARE(captions["Label43"].toString(), QString("  = 7.800E+03 кг/м3"));
        QCOMPARE(captions["Label44"].toString(), QString("Vp2 = 1.373E+00 м/с"));
        QCOMPARE(captions["Label26"].toString(), QString("Tmax1 = 1.119497 c"));
        QVERIFY(captions["Label33.ToolTipText"].toString().endsWith(" 14 итераций."));
        const QJsonObject inputs = doc.object()["inputs"].toObject();
        QCOMPARE(inputs["h"].toDouble(), 2.0);
        QCOMPARE(inputs["eta"].toDouble(), 0.001004);
        // Single-precision quantities are printed as their exact float value.
        const QJsonObject model = doc.object()["model"].toObject();
        QCOMPARE(model["Ts2"].toDouble(), double(float(model["Ts2"].toDouble())));
        QCOMPARE(model["Vymax0"].toDouble(), double(float(3 - model["Tmax0"].toDouble() * 9.814)));
        QVERIFY(r.err.isEmpty());
    }

    void inputsAreReadAsTheirFieldsShowThem() {
        std::ostringstream out, err;
        QCOMPARE(runReport({"--report", "--V0y=0", "--eta=1", "--d=0.0100004"}, out, err), 0);
        const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
        QCOMPARE(doc["inputs"].toObject()["V0y"].toDouble(), 0.0);
        QCOMPARE(doc["inputs"].toObject()["d"].toDouble(), 0.01);
        QCOMPARE(doc["model"].toObject()["Tp2"].toDouble(), 0.0);
        QVERIFY(doc["model"].toObject()["tau"].toDouble() < 0.05);
    }

    void refusedInputs_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("message");
        QTest::newRow("no height") << "--h=0" << "Уже упало?!";
        QTest::newRow("rounds to no height") << "--h=0.0004" << "Уже упало?!";
        QTest::newRow("underground") << "--h=-1" << "тело под Землей?! такой расчёт не предусмотрен!";
        QTest::newRow("lighter than water") << "--r0=9000" << "Всплывание не моделируется";
        QTest::newRow("no drag") << "--c=0" << "Для случая с <= 0 программа не работает.";
        QTest::newRow("not a number") << "--h=два" << "Не число: --h=два";
        QTest::newRow("unknown option") << "--g=10" << "Неизвестный параметр: --g=10";
    }

    void refusedInputs() {
        QFETCH(QString, option);
        QFETCH(QString, message);
        const Run r = run({option});
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(QString::fromUtf8(r.err).trimmed(), message);
    }

    // A teacher's table of cases runs in a small process.
    void staysSmall() {
        if (qEnvironmentVariableIsSet("VELUNTA_SANITIZED")) QSKIP("the sanitizers' shadow memory is not the program's");
        const Run r = run({"--eta=1"});
        QCOMPARE(r.status, 0);
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        QVERIFY2(usage.ru_maxrss < 30 * 1024, qPrintable(QString("%1 kB").arg(usage.ru_maxrss)));
    }
};

QTEST_GUILESS_MAIN(ReportTest)
#include "report_test.moc"
