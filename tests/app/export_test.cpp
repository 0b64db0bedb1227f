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
#include "app/table_export.h"
#include "model/trajectory.h"
#include "support/fake_desktop.h"

using namespace velunta;

class ExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    struct Run {
        int status;
        QString err;
    };
    static Run run(const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");  // no display: the program chooses its own platform
        env.remove("QT_QPA_PLATFORM");
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("VELUNTA_RUN_DIR") + "/velunta", args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

    static Model computed(const QStringList& inputs) {
        Model m;
        m.set_defaults();
        for (const QString& in : inputs) {
            const QStringList kv = in.mid(2).split('=');
            const FieldInfo* f = findField(kv[0].toStdString());
            inputValue(m, f->field) = kv[1].toDouble();
        }
        m.r = (m.massa * 6 / 3.14159265) / (m.d * m.d * m.d);
        m.parametr();
        m.raschet1();
        m.raschet2();
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
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines[0], QString("t, c;Y вакуум, м;Vy вакуум, м/с;Y Fc~v, м;Vy Fc~v, м/с;Y Fc~v+v², м;Vy Fc~v+v², м/с"));

        const Model m = computed(inputs);
        const DragModel models[] = {DragModel::vacuum, DragModel::linear, DragModel::full};
        const double rowStep = step.isEmpty() ? defaultTableStep(m) : step.toDouble();
        int landings = 0;
        double before = -1;
        for (const QString& line : lines.mid(1)) {
            const QStringList cells = line.split(';');
            QCOMPARE(cells.size(), 7);
            QVERIFY2(!line.contains('.'), qPrintable(line));
            double t = QString(cells[0]).replace(',', '.').toDouble();
            QVERIFY(t > before);
            before = t;
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
                const double shownY = QString(y).replace(',', '.').toDouble();
                const double shownVy = QString(vy).replace(',', '.').toDouble();
                if (t == landing) {
                    landingRow = true;
                    QCOMPARE(shownY, 0.0);
                } else {
                    QVERIFY2(std::fabs(shownY - s.Y) <= 5e-6 * std::fabs(s.Y) + 1e-12, qPrintable(line));
                }
                QVERIFY2(std::fabs(shownVy - s.Vy) <= 5e-6 * std::fabs(s.Vy) + 1e-12, qPrintable(line));
            }
            if (landingRow)
                ++landings;
            else  // every other row at a multiple of the step
                QVERIFY2(std::fabs(t / rowStep - std::round(t / rowStep)) < 1e-6, qPrintable(line));
        }
        QCOMPARE(landings, 3);
        QVERIFY(lines.size() > 20);
    }

    void pictures_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QList<QRgb>>("colours");
        QTest::newRow("Y(t)") << "2" << QList<QRgb>{qRgb(0, 0, 0), qRgb(0, 0, 255), qRgb(255, 0, 0), qRgb(128, 255, 128)};
        QTest::newRow("Vy(t)") << "3" << QList<QRgb>{qRgb(0, 0, 0), qRgb(0, 0, 255), qRgb(255, 0, 0)};
        QTest::newRow("trajectory") << "1" << QList<QRgb>{qRgb(0, 0, 255), qRgb(255, 0, 0)};
    }
    void pictures() {
        QFETCH(QString, view);
        QFETCH(QList<QRgb>, colours);
        const QString png = path("p.png"), svg = path("p.svg");
        QCOMPARE(run({"--picture=" + png, "--view=" + view, "--size=900x700"}).status, 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(900, 700));
        for (QRgb colour : colours) {
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {  // edges are smoothed: near the colour
                    const QRgb p = image.pixel(x, y);
                    count += std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                                 std::abs(qBlue(p) - qBlue(colour)) < 60;
                }
            QVERIFY2(count > 100, qPrintable(QString::number(colour, 16)));
        }

        QCOMPARE(run({"--picture=" + svg, "--view=" + view}).status, 0);
        QFile f(svg);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
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
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        for (const char* expected : {"Исходные данные", "V0y = 4.000 м/с", "η = 0.0010040 Па·с", "Tmax = 1.",
                                     "Tmax1 = ", "Tmax2= ", "В среде (Fc~v+v²)", "Y(t)"})
            QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
        QProcess fonts;
        fonts.start("pdffonts", {pdf});
        QVERIFY(fonts.waitForFinished(30000));
        const QStringList rows = QString::fromUtf8(fonts.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).mid(2);
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
        const Run r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY(!r.err.trimmed().isEmpty());
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
        QFile svg(path("w.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("stroke=\"#ff0000\""));
        QVERIFY(!window->saveTableFile(path("w.csv"), 0, error) && !QFile::exists(path("w.csv")));
        QVERIFY(window->saveTableFile(path("w.csv"), 0.1, error));

        window->copyResults();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QVERIFY(lines.contains("h\t2.000\tм\tначальная высота"));
        QVERIFY(lines.contains("В вакууме\tВ среде (Fc~v)\tВ среде (Fc~v+v²)"));
        QVERIFY(lines.contains("Tp = 0.305686 c\tτ = 4.316e+01 c\tR= 2.213E-01 м"));
    }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
