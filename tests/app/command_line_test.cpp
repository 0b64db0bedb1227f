// The command line, run as a user runs it: no display, exit status, stdout, stderr.

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include "app/command_line.h"
#include "support/run_program.h"

using namespace velunta;

class CommandLineTest : public QObject {
    Q_OBJECT

    static testing::ProgramRun run(const QStringList& args) { return testing::runProgram(args); }
    static QJsonObject report(const QStringList& args) {
        const testing::ProgramRun r = run(QStringList{"--report"} + args);
        return r.status == 0 ? QJsonDocument::fromJson(r.out.toUtf8()).object() : QJsonObject{};
    }

private slots:
    void statusAndMessages_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");  // a pattern for stdout
        QTest::addColumn<QString>("err");  // stderr exactly
        const QString hint = "\nСписок параметров: velunta --help\n";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "^Использование: velunta .*--eta=ЧИСЛО" << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "^Велунта " VELUNTA_VERSION "\nПапка данных: .+\n$" << "";
        QTest::newRow("unknown") << QStringList{"--colour=red"} << 2 << "^$" << "velunta: неизвестный параметр «--colour=red»" + hint;
        QTest::newRow("not a number") << QStringList{"--report", "--h=два"} << 2 << "^$" << "velunta: не число: «--h=два»" + hint;
        QTest::newRow("two commands") << QStringList{"--report", "--frames"} << 2 << "^$" << "velunta: одновременно --report и --frames" + hint;
        QTest::newRow("underground") << QStringList{"--report", "--h=-1000000"} << 2 << "^$" << "тело под Землей?! такой расчёт не предусмотрен!\n";
        QTest::newRow("rounds to no height") << QStringList{"--frames", "--h=0.0004"} << 2 << "^$" << "Уже упало?!\n";
        QTest::newRow("lighter than water") << QStringList{"--report", "--r0=9000"} << 2 << "^$" << "Всплывание не моделируется\n";
        QTest::newRow("window refused before it opens") << QStringList{"--c=0"} << 2 << "^$" << "Для случая с <= 0 программа не работает.\n";
        QTest::newRow("frames") << QStringList{"--frames", "--V0y=0"} << 0 << "^phase,t,Y,Vy\n(fall,[^\n]+\n)+$" << "";
    }

    void statusAndMessages() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const testing::ProgramRun r = run(args);
        QCOMPARE(r.status, status);
        QVERIFY2(QRegularExpression(out, QRegularExpression::DotMatchesEverythingOption).match(r.out).hasMatch(),
                 qPrintable(r.out.left(300)));
        QCOMPARE(r.err, err);
        if (args == QStringList{"--help"})
            for (const CommandLineOption& option : commandLineOptions()) QVERIFY2(r.out.contains(option.name), option.name);
        if (args == QStringList{"--version"})
            QVERIFY(QFileInfo(QDir(r.out.section('\n', 1, 1).section(": ", 1)), "ris_1.gif").isFile());
    }

    // The options are taken together, as finished edits: their order does not matter,
    // a comma is a decimal point, and each field keeps its number as it shows it.
    void inputsTakenTogether() {
        const QJsonObject lightFirst = report({"--d=1", "--massa=4084", "--eta=0,5"});
        QCOMPARE(lightFirst, report({"--eta=0,5", "--massa=4084", "--d=1"}));
        QCOMPARE(lightFirst["inputs"].toObject()["massa"].toDouble(), 4084.0);
        QCOMPARE(lightFirst["inputs"].toObject()["eta"].toDouble(), 0.5);
        QCOMPARE(report({"--d=0.0100004"})["inputs"].toObject()["d"].toDouble(), 0.01);
        QCOMPARE(report({})["captions"].toObject()["Label26"].toString(), QString("Tmax1 = 1.119497 c"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
