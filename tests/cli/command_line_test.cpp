// The command line, run as a user runs it: no display, exit status, stdout, stderr, no
// file left behind by a refusal; and the lesson materials it writes: the table, the
// pictures and the worksheet.

#include <QDir>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QTest>
#include <cmath>
#include <csignal>
#include <sys/resource.h>

#include "cli/command_line.h"
#include "export/table_export.h"
#include "model/trajectory.h"
#include "presets/experiments.h"
#include "plot/animation.h"
#include "support/run_program.h"

using namespace velunta;

class CommandLineTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    static int run(const QStringList& args) { return testing::runProgram(args).status; }
    static QJsonObject report(const QStringList& args) {
        const testing::ProgramRun r = testing::runProgram(QStringList{"--report"} + args);
        return r.status == 0 ? QJsonDocument::fromJson(r.out.toUtf8()).object() : QJsonObject{};
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QStringList files() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
    static QByteArray readAll(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static double number(QString cell) { return cell.replace(',', '.').toDouble(); }

private slots:
    void statusAndMessages_data() {
        QTest::addColumn<QStringList>("args");  // %1: a folder for files
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");  // a pattern for stdout
        QTest::addColumn<QString>("err");  // a pattern for the whole of stderr, %1 as above
        const auto exactly = [](const QString& text) { return QRegularExpression::escape(text); };
        const QString hint = exactly("\nСписок параметров: velunta --help\n");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "^Использование: velunta .*--eta=ЧИСЛО" << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "^Велунта " VELUNTA_VERSION "\nПапка данных: .+\n$" << "";
        QTest::newRow("unknown") << QStringList{"--colour=red"} << 2 << "^$" << "velunta: неизвестный параметр «--colour=red»" + hint;
        QTest::newRow("not a number") << QStringList{"--report", "--h=два"} << 2 << "^$" << "velunta: не число: «--h=два»" + hint;
        QTest::newRow("two commands") << QStringList{"--report", "--frames"} << 2 << "^$"
                                      << "velunta: одновременно --report и --frames" + hint;
        QTest::newRow("rounds to no height") << QStringList{"--frames", "--h=0.0004"} << 2 << "^$" << exactly("Уже упало?!\n");
        QTest::newRow("lighter than water") << QStringList{"--report", "--r0=9000"} << 2 << "^$" << "Всплывание не моделируется\n";
        QTest::newRow("window refused before it opens") << QStringList{"--c=0"} << 2 << "^$"
                                                        << exactly("Для случая с <= 0 программа не работает.\n");
        // Both forms of a value; a negative number is a value, a double dash is the next option.
        QTest::newRow("negative space value") << QStringList{"--report", "--V0y", "-5"} << 0 << "\"V0y\": -5," << "";
        const QString needsHeight = exactly("velunta: параметру --h нужно значение: --h=ЧИСЛО") + hint;
        QTest::newRow("value missing at the end") << QStringList{"--report", "--h"} << 2 << "^$" << needsHeight;
        QTest::newRow("option instead of value") << QStringList{"--h", "--report"} << 2 << "^$" << needsHeight;
        QTest::newRow("file missing") << QStringList{"--picture"} << 2 << "^$"
                                      << exactly("velunta: параметру --picture нужно значение: --picture=ФАЙЛ.png|svg") + hint;
        QTest::newRow("value on a plain option") << QStringList{"--help=1"} << 2 << "^$"
                                                 << "velunta: параметру --help значение не нужно: «--help=1»" + hint;
        QTest::newRow("lesson view with a command") << QStringList{"--report", "--lesson"} << 2 << "^$"
                                                    << "velunta: --lesson задаётся только без команды, для окна: --report" + hint;
        QTest::newRow("lesson view without a display") << QStringList{"--lesson", "--h=5"} << 1 << "^$" << ".*нет графического дисплея.*\n";
        QTest::newRow("setting alone, space value") << QStringList{"--view", "2"} << 2 << "^$"
                                                    << "velunta: --view задаётся только вместе с --picture" + hint;
        QTest::newRow("picture, space values") << QStringList{"--picture", "%1/q.png", "--view", "1", "--size", "90x60"}
                                               << 0 << "^$" << "";
        // The window without a display; output that cannot be written.
        QTest::newRow("no display") << QStringList{"--h", "5"} << 1 << "^$"
                                    << exactly("velunta: нет графического дисплея, окно не открыть; для работы без окна: velunta --help\n");
        const QString full = "velunta: не удалось вывести результат на стандартный вывод: на диске нет места\n";
        for (const char* command : {"--report", "--frames", "--help"})
            QTest::addRow("%s > /dev/full", command) << QStringList{command, ">/dev/full"} << 2 << "^$" << full;
        QTest::newRow("frames") << QStringList{"--frames", "--h=3"} << 0 << "^phase,t,Y,Vy\n(rise,[^\n]+\n)+(fall,[^\n]+\n)+$" << "";
        // The files of the lesson materials: each refusal its own message, and no file written.
        const QString file = "Не удалось записать файл «%1/";
        QTest::newRow("missing folder") << QStringList{"--table=%1/no/t.csv"} << 2 << "^$" << file + "no/t.csv»: нет такой папки\n";
        QTest::newRow("not a folder") << QStringList{"--worksheet=/dev/null/w.pdf"} << 2 << "^$"
                                      << "Не удалось записать файл «/dev/null/w.pdf»: часть пути — не папка\n";
        QTest::newRow("wrong suffix") << QStringList{"--worksheet=%1/w.txt"} << 2 << "^$" << "Рабочий лист .+ «%1/w.txt»\\.\n";
        QTest::newRow("view") << QStringList{"--picture=%1/v.png", "--view=4"} << 2 << "^$" << "Рисунок --view: .+ «4»\\.\n";
        QTest::newRow("size") << QStringList{"--picture=%1/s.png", "--size=10x10"} << 2 << "^$" << "Размер рисунка .+ «10x10»\\.\n";
        QTest::newRow("step") << QStringList{"--table=%1/n.csv", "--step=-1"} << 2 << "^$" << "Шаг по времени .+\n";
        QTest::newRow("step too small") << QStringList{"--table=%1/m.csv", "--step=1e-9"} << 2 << "^$" << "Шаг .+ слишком мал: .+\n";
        QTest::newRow("step alone") << QStringList{"--picture=%1/a.png", "--step=1"} << 2 << "^$" << "velunta: --step .+" + hint;
        QTest::newRow("input refused") << QStringList{"--table=%1/h.csv", "--h=-1000000"} << 2 << "^$"
                                       << exactly("тело под Землей?! такой расчёт не предусмотрен!\n");
        // Measured data: where it is given, what is fitted, and a file that cannot be read.
        QTest::newRow("data alone") << QStringList{"--data=newton1710-1"} << 2 << "^$"
                                    << "velunta: --data задаётся только вместе с --report, --table, --picture или --worksheet" + hint;
        QTest::newRow("fit without data") << QStringList{"--report", "--fit=c"} << 2 << "^$"
                                          << "velunta: --fit задаётся только вместе с --data" + hint;
        QTest::newRow("fit twice c") << QStringList{"--report", "--data=newton1710-1", "--fit=c,c"} << 2 << "^$"
                                     << "velunta: --fit: «c,c»: подбираются .+" + hint;
        QTest::newRow("data file missing") << QStringList{"--report", "--data=%1/none.csv"} << 2 << "^$"
                                           << "velunta: не удалось прочитать «%1/none.csv»: нет такого файла" + hint;
        QTest::newRow("picture with data") << QStringList{"--picture=%1/d.png", "--data=newton1710-2", "--align=launch"}
                                           << 0 << "^$" << "";
    }

    void statusAndMessages() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QStringList before = files();
        const bool writesFile = status == 0 && args.join(' ').contains("%1");
        for (QString& a : args) a.replace("%1", dir_.path());
        const bool full = args.removeAll(">/dev/full");
        const testing::ProgramRun r = testing::runProgram(args, {}, full ? "/dev/full" : "");
        QCOMPARE(r.status, status);
        QVERIFY2(QRegularExpression(out, QRegularExpression::DotMatchesEverythingOption).match(r.out).hasMatch(),
                 qPrintable(r.out.left(300)));
        const QString errPattern = QRegularExpression::anchoredPattern(err.replace("%1", QRegularExpression::escape(dir_.path())));
        QVERIFY2(QRegularExpression(errPattern).match(r.err).hasMatch(), qPrintable(r.err));
        QCOMPARE(files().size(), before.size() + writesFile);
        if (args == QStringList{"--help"} && !full)
            for (const CommandLineOption& option : commandLineOptions()) QVERIFY2(r.out.contains(option.name), option.name);
        if (args == QStringList{"--version"})
            QVERIFY(QFileInfo(QDir(r.out.section('\n', 1, 1).section(": ", 1)), "ris_1.gif").isFile());
        if (args.value(0) != "--frames" || status != 0) return;
        // The window's frames for these inputs, numbers that read back exactly.
        Model m = testing::modelFor(args);
        QStringList want{"phase", "t", "Y", "Vy"};
        for (const RunFrame& f : collectRunFrames(m))
            want << (f.phase == RunPhase::rise ? "rise" : "fall") << QString::number(f.t, 'g', 17)
                 << QString::number(f.Y, 'g', 17) << QString::number(f.Vy, 'g', 17);
        QStringList got = r.out.split(QRegularExpression("[,\n]"), Qt::SkipEmptyParts);
        for (int i = 4; i < got.size(); ++i)
            if (i % 4) got[i] = QString::number(got[i].toDouble(), 'g', 17);
        QCOMPARE(got, want);
    }

    // The options are taken together, as finished edits: their order does not matter,
    // a comma is a decimal point, and each field keeps its number as it shows it.
    void inputsTakenTogether() {
        const QJsonObject lightFirst = report({"--d=1", "--massa=4084", "--eta=0,5"});
        QCOMPARE(lightFirst, report({"--eta=0,5", "--massa=4084", "--d=1"}));
        QCOMPARE(lightFirst["inputs"].toObject()["eta"].toDouble(), 0.5);
        QCOMPARE(report({"--d=0.0100004"})["inputs"].toObject()["d"].toDouble(), 0.01);
        QCOMPARE(report({})["captions"].toObject()["Label26"].toString(), QString("Tmax1 = 1.119497 c"));
    }

    // Newton's globes of 1710 as the Principia records them: weight in grains, diameter in
    // inches, time of the fall from 220 feet; each set with its inputs in SI, its landing as
    // its one point, and a drag coefficient found from it.
    void builtInFalls_data() {
        QTest::addColumn<int>("grains");
        QTest::addColumn<double>("inches");
        QTest::addColumn<double>("seconds");
        const std::tuple<int, double, double> globes[] = {{510, 5.1, 8 + 12 / 60.0}, {642, 5.2, 7 + 42 / 60.0},
                                                          {599, 5.1, 7.7}, {515, 5, 7 + 57 / 60.0},
                                                          {483, 5, 8.2}, {641, 5.2, 7.7}};
        int i = 0;
        for (const auto& [grains, inches, seconds] : globes)
            QTest::addRow("newton1710-%d", ++i) << grains << inches << seconds;
    }
    void builtInFalls() {
        QFETCH(int, grains);
        QFETCH(double, inches);
        QFETCH(double, seconds);
        const ExperimentSet* set = findExperimentSet(QTest::currentDataTag());
        QVERIFY(set);
        QCOMPARE(set->data.points, (std::vector<MeasuredPoint>{{seconds, 0, {}}}));
        const QJsonObject r = report({QString("--data=") + QTest::currentDataTag(), "--fit=c"});
        const QJsonObject in = r["inputs"].toObject();
        QCOMPARE(in["h"].toDouble(), 67.056);
        QVERIFY(std::fabs(in["massa"].toDouble() - grains * 64.79891e-6) <= 0.5e-6);
        QVERIFY(std::fabs(in["d"].toDouble() - inches * 0.0254) <= 0.5e-6);
        QCOMPARE(r["experiment"].toObject()["best"].toString(), QString("full"));
        const QJsonObject fit = r["fit"].toObject();
        QVERIFY2(fit["converged"].toBool(), qPrintable(fit["message"].toString()));
        QVERIFY(fit["c"].toDouble() > 0.3 && fit["c"].toDouble() < 0.8);  // a sphere's, not a limit's
        QVERIFY(fit["c_error"].isNull());  // one point, one unknown
        // The input options given still decide over the set's.
        QCOMPARE(report({QString("--data=") + QTest::currentDataTag(), "--c=0.5"})["inputs"].toObject()["c"].toDouble(), 0.5);
    }

    void table_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::newRow("defaults") << QStringList{};
        QTest::newRow("thrown down in air") << QStringList{"--V0y=-5", "--r0=1.23", "--eta=0.0000182", "--step=0.01"};
        QTest::newRow("landing beside a fine step") << QStringList{"--step=0.0001"};
    }
    void table() {
        QFETCH(QStringList, inputs);
        QCOMPARE(run(QStringList{"--table=" + path("t.csv")} + inputs), 0);
        const QByteArray bytes = readAll(path("t.csv"));
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n");
        const Model m = testing::modelFor(inputs);
        // The inputs as a name and a number that reads back exactly, an empty row, the header, the numbers.
        QCOMPARE(lines.indexOf(QString()), 8);
        QVERIFY2(lines[1].startsWith("V0y, м/с;") && number(lines[1].section(';', 1, 1)) == m.V0y, qPrintable(lines[1]));
        QVERIFY2(lines[5].startsWith("η, Па·с;") && number(lines[5].section(';', 1, 1)) == m.eta, qPrintable(lines[5]));
        lines = lines.mid(9, lines.size() - 10);
        QVERIFY(lines.size() > 20 && lines[0].startsWith("t, c;"));

        const QStringList step = inputs.filter("--step=");
        const double rowStep = step.isEmpty() ? defaultTableStep(m) : step[0].section('=', 1).toDouble();
        const DragModel models[] = {DragModel::vacuum, DragModel::linear, DragModel::full};
        int landings = 0;
        double before = -1;
        for (const QString& line : lines.mid(1)) {
            const QStringList cells = line.split(';');
            double t = number(cells[0]);  // rows in time order, seven cells with decimal commas
            QVERIFY2(cells.size() == 7 && !line.contains('.') && t > std::exchange(before, t), qPrintable(line));
            const double half = 0.5 * std::pow(10.0, -cells[0].section(',', 1).size()) + 1e-12;
            for (DragModel model : models)  // a landing row holds the values at the exact landing time
                if (std::fabs(t - landingTime(m, model)) <= half) t = landingTime(m, model);
            bool landingRow = false;
            for (int k = 0; k < 3; ++k) {
                const double landing = landingTime(m, models[k]);
                const QString y = cells[1 + 2 * k], vy = cells[2 + 2 * k];
                if (t > landing) {  // landed: nothing more to say
                    QVERIFY2(y.isEmpty() && vy.isEmpty(), qPrintable(line));
                    continue;
                }
                const MotionState s = motionAt(m, models[k], t);
                landingRow |= t == landing;  // there exactly on the ground
                const double wantY = t == landing ? 0.0 : s.Y, slack = t == landing ? 0.0 : 5e-6 * std::fabs(s.Y) + 1e-12;
                QVERIFY2(std::fabs(number(y) - wantY) <= slack, qPrintable(line));
                QVERIFY2(std::fabs(number(vy) - s.Vy) <= 5e-6 * std::fabs(s.Vy) + 1e-12, qPrintable(line));
            }
            landings += landingRow;  // every other row at a multiple of the step
            QVERIFY2(landingRow || std::fabs(t / rowStep - std::round(t / rowStep)) < 1e-6, qPrintable(line));
        }
        QCOMPARE(landings, 3);
    }

    // A write that fails half-way (at a file-size limit, which binds root too and which the
    // program inherits): each file refused with the reason, the one already there as it was,
    // nothing else left in the folder.
    void writeFailsHalfWay_data() {
        QTest::addColumn<QStringList>("args");  // %1: the file
        QTest::addColumn<QString>("name");
        QTest::newRow("table") << QStringList{"--table=%1"} << "t.csv";
        QTest::newRow("png") << QStringList{"--picture=%1", "--size=300x200"} << "p.png";
        QTest::newRow("svg") << QStringList{"--picture=%1"} << "p.svg";
        QTest::newRow("worksheet") << QStringList{"--worksheet=%1"} << "w.pdf";
    }
    void writeFailsHalfWay() {
        QFETCH(QStringList, args);
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString file = folder.filePath(name);
        const QByteArray old(1000, 'x');
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        f.close();
        for (QString& a : args) a.replace("%1", file);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{rlim_t(old.size()), limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);  // ignored, and so in the program too: the write fails instead
        setrlimit(RLIMIT_FSIZE, &small);
        const testing::ProgramRun r = testing::runProgram(args);
        setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err.trimmed(), QString("Не удалось записать файл «%1»: файл слишком велик").arg(file));
        QCOMPARE(readAll(file), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    }

    // Each view its own picture at the size asked for, the full model's red drawn; the SVG drawn in vectors.
    void pictures() {
        QImage last;
        for (const QString view : {"1", "2", "3"}) {
            QCOMPARE(run({"--picture=" + path("p.png"), "--view=" + view, "--size=900x700"}), 0);
            const QImage image(path("p.png"));
            QCOMPARE(image.size(), QSize(900, 700));
            const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
            const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
            const auto red = std::count_if(pixels, pixels + 900 * 700,  // edges are smoothed: near the colour
                                           [](QRgb p) { return 255 - qRed(p) + qGreen(p) + qBlue(p) < 60; });
            QVERIFY(red > 100 && image != std::exchange(last, image));
        }
        QCOMPARE(run({"--picture=" + path("p.svg")}), 0);
        const QByteArray text = readAll(path("p.svg"));
        QXmlStreamReader xml(text);
        while (!xml.atEnd()) xml.readNext();  // well-formed, drawn in vectors, no pixels embedded
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(text.count("<path") + text.count("<polyline") > 10 && !text.contains("<image"));
    }

    void worksheet() {
        const QString pdf = path("w.pdf");
        QCOMPARE(run({"--worksheet=" + pdf, "--V0y=4"}), 0);
        // The typed input, a result computed from it (vacuum flight 1.x s) and the graph.
        const QString page = testing::runProgram({"-layout", pdf, "-"}, "pdftotext").out;
        for (const char* expected : {"V0y = 4.000 м/с", "Tmax = 1.", "Tmax2= ", "Y(t)"})
            QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
        const QStringList rows = testing::runProgram({pdf}, "pdffonts").out.split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!rows.isEmpty());
        for (const QString& row : rows)  // columns: name type encoding emb sub uni object ID
            QVERIFY2(row.contains(QRegularExpression(" yes +\\S+ +\\S+ +\\d+ +\\d+$")), qPrintable(row));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
