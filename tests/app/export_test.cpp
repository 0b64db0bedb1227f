// The lesson materials: the table, the pictures and the worksheet from the
// command line (no display), and the copy of the results from the window.

#include <QClipboard>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>

#include "app/form1.h"
#include "app/pipeline.h"
#include "app/table_export.h"
#include "model/trajectory.h"
#include "support/fake_desktop.h"
#include "support/run_program.h"

using namespace velunta;

class ExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QImage lastPicture_;

    static testing::ProgramRun run(const QStringList& args) { return testing::runProgram(args); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    static QByteArray readAll(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static double number(QString cell) { return cell.replace(',', '.').toDouble(); }

    static Model computed(const QStringList& inputs) {
        Model m;
        m.set_defaults();
        for (const QString& in : inputs) {
            const QStringList kv = in.mid(2).split('=');
            const FieldInfo* f = findField(kv[0].toStdString());
            inputValue(m, f->field) = kv[1].toDouble();
        }
        m.r = (m.massa * 6 / 3.14159265) / (m.d * m.d * m.d);
        recompute(m);
        return m;
    }

private slots:
    void table_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("step");
        QTest::newRow("defaults") << QStringList{} << QString();
        QTest::newRow("syrup, own step") << QStringList{"--eta=1"} << QString("0.25");
        QTest::newRow("thrown down in air") << QStringList{"--V0y=-5", "--r0=1.23", "--eta=0.0000182"} << QString("0.01");
    }
    void table() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, step);
        const QString file = path("t.csv");
        QStringList args{"--table=" + file};
        if (!step.isEmpty()) args << "--step=" + step;
        QCOMPARE(run(args + inputs).status, 0);
        const QByteArray bytes = readAll(file);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts);
        QVERIFY(lines[0].startsWith("t, c;"));  // a header row, then the numbers

        const Model m = computed(inputs);
        const DragModel models[] = {DragModel::vacuum, DragModel::linear, DragModel::full};
        const double rowStep = step.isEmpty() ? defaultTableStep(m) : step.toDouble();
        int landings = 0;
        double before = -1;
        for (const QString& line : lines.mid(1)) {
            const QStringList cells = line.split(';');
            double t = number(cells[0]);  // rows in time order, seven cells with decimal commas
            QVERIFY2(cells.size() == 7 && !line.contains('.') && t > std::exchange(before, t), qPrintable(line));
            bool landingRow = false;
            for (DragModel model : models)  // a landing row holds the values at the exact landing time
                if (std::fabs(t - landingTime(m, model)) <= 1e-5 * t) t = landingTime(m, model);
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
        QVERIFY(lines.size() > 20);
    }

    // The view chosen, the size asked for, the red of the full model drawn; the SVG drawn in vectors.
    void pictures_data() {
        QTest::addColumn<QString>("view");
        for (const char* view : {"1", "2", "3"}) QTest::newRow(view) << QString(view);
    }
    void pictures() {
        QFETCH(QString, view);
        const QString png = path("p.png"), svg = path("p.svg");
        QCOMPARE(run({"--picture=" + png, "--view=" + view, "--size=900x700"}).status, 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(900, 700));
        int red = 0;
        for (int i = 0; i < 900 * 700; ++i) {  // edges are smoothed: near the colour
            const QRgb p = image.pixel(i % 900, i / 900);
            red += 255 - qRed(p) + qGreen(p) + qBlue(p) < 60;
        }
        QVERIFY(red > 100);
        QVERIFY(image != lastPicture_);  // each view its own picture
        lastPicture_ = image;
        QCOMPARE(run({"--picture=" + svg, "--view=" + view}).status, 0);
        QXmlStreamReader xml(readAll(svg));
        int paths = 0, images = 0;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                paths += xml.name() == QLatin1String("path") || xml.name() == QLatin1String("polyline");
                images += xml.name() == QLatin1String("image");
            }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(paths > 10);
        QCOMPARE(images, 0);
    }

    void worksheet() {
        const QString pdf = path("w.pdf");
        QCOMPARE(run({"--worksheet=" + pdf, "--V0y=4"}).status, 0);
        const auto tool = [&](const QString& name, const QStringList& args) {
            QProcess p;
            p.start(name, args);
            return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
        };
        // The typed input, a result computed from it (vacuum flight 1.x s) and the graph.
        const QString page = tool("pdftotext", {"-layout", pdf, "-"});
        for (const char* expected : {"V0y = 4.000 м/с", "Tmax = 1.", "Tmax2= ", "Y(t)"})
            QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
        const QStringList rows = tool("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!rows.isEmpty());
        for (const QString& row : rows)  // columns: name type encoding emb sub uni object ID
            QVERIFY2(row.split(' ', Qt::SkipEmptyParts).value(row.split(' ', Qt::SkipEmptyParts).size() - 5) == "yes",
                     qPrintable(row));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file");
        QTest::newRow("missing folder") << QStringList{"--table=%1"} << "no/such/t.csv";
        QTest::newRow("onto a folder") << QStringList{"--picture=%1"} << "folder.png";
        QTest::newRow("wrong suffix") << QStringList{"--worksheet=%1"} << "w.txt";
        QTest::newRow("view") << QStringList{"--picture=%1", "--view=4"} << "v.png";
        QTest::newRow("size") << QStringList{"--picture=%1", "--size=10x10"} << "s.png";
        QTest::newRow("step") << QStringList{"--table=%1", "--step=-1"} << "n.csv";
        QTest::newRow("step too small") << QStringList{"--table=%1", "--step=1e-9"} << "m.csv";
        QTest::newRow("step alone") << QStringList{"--picture=%1", "--step=1"} << "a.png";
        QTest::newRow("input refused") << QStringList{"--table=%1", "--h=-1"} << "h.csv";
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(QString, file);
        QDir(dir_.path()).mkpath("folder.png");
        const QStringList before = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        for (QString& a : args) a = a.arg(path(file));
        const testing::ProgramRun r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QRegularExpression("[а-яА-Я]")), qPrintable(r.err));  // in Russian
        QCOMPARE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    }

    void fromTheWindow() {
        testing::FakeDesktop desktop;
        const auto window = desktop.window(false);
        // The picture shown (the trajectory at start), twice its size, and the Y(t) graph with the red curve.
        QString error;
        QVERIFY(window->savePictureFile(path("w.png"), QSize(), error));
        QCOMPARE(QImage(path("w.png")).size(), window->controls().Picture1->size() * 2);
        window->controls().Option2->click();
        QVERIFY(window->savePictureFile(path("w.svg"), QSize(), error));
        QVERIFY(readAll(path("w.svg")).contains("stroke=\"#ff0000\""));
        QVERIFY(!window->saveTableFile(path("w.csv"), 0, error) && !QFile::exists(path("w.csv")));
        QVERIFY(window->saveTableFile(path("w.csv"), 0.1, error));

        window->copyResults();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QVERIFY(lines.contains("h\t2.000\tм\tначальная высота"));  // an input and a row of results
        QVERIFY(lines.contains("Tp = 0.305686 c\tτ = 4.316e+01 c\tR= 2.213E-01 м"));
    }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
