// The program's pictures: every compiled-in icon and picture loads at the size
// it was drawn for and shows something; the explanatory GIF pictures in the
// working folder load, fit the picture box under the graphs and still match
// the drawings they are made from.
#include <QtTest>

#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>

namespace {

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

// Share of the pixels that differ from the background colour.
double inkShare(const QImage& image, QRgb background)
{
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixel(x, y) != background;
    return double(ink) / (qint64(image.width()) * image.height());
}

QString explanatoryPicture(int number) { return QStringLiteral("ris_%1.gif").arg(number); }

}  // namespace

class AssetsTest : public QObject {
    Q_OBJECT

private slots:
    void resourceLoadsAtItsSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const QSize menu(32, 32);
        QTest::newRow("window icon") << ":/icons/velunta.svg" << menu;
        for (const char* item : {"spravka2", "spravka", "exit", "instruction", "uprav", "avtors",
                                 "about", "about2"})
            QTest::newRow(item) << QStringLiteral(":/icons/menu_%1.svg").arg(QLatin1String(item)) << menu;
        QTest::newRow("history") << ":/icons/menu_history.svg" << QSize(21, 32);
        QTest::newRow("equation") << ":/pictures/equation.svg" << QSize(260, 51);
        QTest::newRow("authors") << ":/pictures/authors.svg" << QSize(150, 180);
    }

    void resourceLoadsAtItsSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image = QImage(name).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(name));
        QCOMPARE(image.size(), size);
        QVERIFY(distinctColours(image) >= 4);
        QVERIFY(inkShare(image, image.pixel(0, 0)) > 0.05);
        // The menu and the window take the pictures as icons, at small sizes too.
        QVERIFY(!QIcon(name).pixmap(16, 16).isNull());
    }

    void explanatoryGifLoads_data() { pictureNumbers(); }

    void explanatoryGifLoads()
    {
        QFETCH(int, number);
        QImageReader reader(explanatoryPicture(number));
        QCOMPARE(reader.format(), QByteArray("gif"));
        const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        // The box is 268 x 56 pixels; a picture much smaller would look lost in it.
        QVERIFY(image.width() >= 240 && image.width() <= 268);
        QVERIFY(image.height() >= 45 && image.height() <= 56);
        QVERIFY(distinctColours(image) >= 4);
        const double ink = inkShare(image, qRgb(255, 255, 255));
        QVERIFY2(ink > 0.02 && ink < 0.6, qPrintable(QString::number(ink)));
    }

    void explanatoryGifMatchesDrawing_data() { pictureNumbers(); }

    void explanatoryGifMatchesDrawing()
    {
        QFETCH(int, number);
        const QString sourceDir = qEnvironmentVariable("VELUNTA_SOURCE_DIR");
        if (sourceDir.isEmpty())
            QSKIP("VELUNTA_SOURCE_DIR is not set: the drawings cannot be found");
        QSvgRenderer drawing(QStringLiteral("%1/assets/ris/ris_%2.svg").arg(sourceDir).arg(number));
        QVERIFY(drawing.isValid());
        const QImage gif = QImage(explanatoryPicture(number)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(gif.size(), drawing.defaultSize());

        QImage expected(gif.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.render(&painter);
        painter.end();

        // The GIF palette may shift an edge pixel a little, nothing more:
        // a stale GIF or a conversion that lost colours fails here.
        qint64 far = 0;
        for (int y = 0; y < gif.height(); ++y)
            for (int x = 0; x < gif.width(); ++x) {
                const QRgb a = gif.pixel(x, y), b = expected.pixel(x, y);
                const int diff = qMax(qAbs(qRed(a) - qRed(b)),
                                      qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
                far += diff > 40;
            }
        QVERIFY2(far <= gif.width() * gif.height() / 200, qPrintable(QString::number(far)));
    }

private:
    void pictureNumbers()
    {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= 5; ++n)
            QTest::newRow(qPrintable(explanatoryPicture(n))) << n;
    }
};

QTEST_MAIN(AssetsTest)
#include "assets_test.moc"
