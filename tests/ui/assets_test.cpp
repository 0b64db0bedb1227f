// The program's pictures: every compiled-in icon and picture loads at the size
// it was drawn for and shows something; the five explanatory GIFs load from the
// working folder and fit the picture box under the graphs (268 x 56).
#include <QImageReader>
#include <QSet>
#include <QTest>

namespace {

// Distinct colours, and the share of the pixels that differ from the background.
std::pair<int, double> content(const QImage& image, QRgb background) {
    QSet<QRgb> colours;
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y)), ink += image.pixel(x, y) != background;
    return {int(colours.size()), double(ink) / (qint64(image.width()) * image.height())};
}

}  // namespace

class AssetsTest : public QObject {
    Q_OBJECT
private slots:
    void resources() {
        QList<std::pair<QString, QSize>> expected{{":/icons/velunta.svg", {32, 32}}, {":/icons/menu_history.svg", {21, 32}},
                                                  {":/pictures/equation.svg", {260, 51}}, {":/pictures/authors.svg", {150, 180}}};
        for (const char* item : {"spravka2", "spravka", "exit", "instruction", "uprav", "avtors", "about", "about2"})
            expected.append({QStringLiteral(":/icons/menu_%1.svg").arg(item), {32, 32}});
        for (const auto& [name, size] : expected) {
            const QImage image = QImage(name).convertToFormat(QImage::Format_ARGB32);
            const auto [colours, ink] = content(image, image.pixel(0, 0));
            QVERIFY2(image.size() == size && colours >= 4 && ink > 0.05, qPrintable(name));
        }
    }

    void explanatoryGifs() {
        for (int n = 1; n <= 5; ++n) {
            const QString file = QStringLiteral("ris_%1.gif").arg(n);
            QCOMPARE(QImageReader::imageFormat(file), QByteArray("gif"));
            const QImage image = QImage(file).convertToFormat(QImage::Format_RGB32);
            const auto [colours, ink] = content(image, qRgb(255, 255, 255));
            QVERIFY2(image.width() >= 240 && image.width() <= 268 && image.height() >= 45 && image.height() <= 56,
                     qPrintable(file));
            QVERIFY2(colours >= 4 && ink > 0.02 && ink < 0.6, qPrintable(file));
        }
    }
};

QTEST_MAIN(AssetsTest)
#include "assets_test.moc"
