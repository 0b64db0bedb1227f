// The window grid: exact places at the design size, what moves and what
// stretches when the window grows, and no negative sizes when it shrinks.

#include <QTest>

#include "ui/layout_grid.h"

using namespace velunta;

namespace {

QString show(const QString& name, const QRectF& r) {
    return QStringLiteral("%1: (%2, %3, %4 x %5)").arg(name).arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

}  // namespace

class LayoutGridTest : public QObject {
    Q_OBJECT
private slots:
    void designSize() {
        const QList<std::pair<QString, QRectF>> expected{
            {"Label36", {172, 4, 152, 26}},         {"Label28", {644, 30, 152, 26}},
            {"VScroll1", {4, 4, 19, 485}},          {"HScroll1", {23, 489, 145, 19}},
            {"Picture1", {23, 4, 145, 485}},        {"Picture14", {172, 422.6, 152, 28.6}},
            {"Picture15", {172, 455.2, 268, 56}},   {"CmdOK", {682, 436, 76, 26}},
            {"Frame1", {488, 390, 152, 80.6}},      {"Picture2", {23, 4, 773, 382}},
            {"VScroll2", {440, 455.2, 19, 56}},     {"Label15", {332, 30, 152, 26}}};
        QHash<QString, QRectF> grid;
        for (const auto& [name, rect] : computeLayout(800, 512).named()) grid[name] = rect;
        for (const auto& [name, rect] : expected)
            QVERIFY2(grid.contains(name) && grid[name] == rect, qPrintable(show(name, grid[name])));
    }

    // Wider: everything but the animation area follows the right edge; only the
    // canvases and HScroll1 stretch. Taller: only VScroll1 and Picture1 grow, HScroll1 moves down.
    void growing_data() {
        QTest::addColumn<double>("dw");
        QTest::addColumn<double>("dh");
        QTest::newRow("37.5 px wider") << 37.5 << 0.0;
        QTest::newRow("300 px taller") << 0.0 << 300.0;
    }

    void growing() {
        QFETCH(double, dw);
        QFETCH(double, dh);
        const auto before = computeLayout(800, 512).named(), after = computeLayout(800 + dw, 512 + dh).named();
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < before.size(); ++i) {
            const QString& name = before[i].first;
            QRectF expected = before[i].second;
            if (QStringList{"Picture1", "HScroll1", "Picture2", "Picture3"}.contains(name))
                expected.setWidth(expected.width() + dw);
            else if (name != "VScroll1")
                expected.translate(dw, 0);
            if (name == "VScroll1" || name == "Picture1") expected.setHeight(expected.height() + dh);
            if (name == "HScroll1") expected.translate(0, dh);
            QVERIFY2(after[i].second == expected, qPrintable(show(name, after[i].second)));
        }
    }

    void smallWindow_data() {
        QTest::addColumn<QSizeF>("client");
        QTest::addColumn<bool>("animationVanishes");
        QTest::newRow("minimised") << QSizeF(0, 0) << true;
        QTest::newRow("at the limits") << QSizeF(655, 27) << true;
        QTest::newRow("one past the limits") << QSizeF(656, 28) << false;
    }

    void smallWindow() {
        QFETCH(QSizeF, client);
        QFETCH(bool, animationVanishes);
        const LayoutGrid g = computeLayout(client.width(), client.height());
        for (const auto& [name, r] : g.named())
            QVERIFY2(r.width() >= 0 && r.height() >= 0 && std::isfinite(r.left() + r.top()), qPrintable(show(name, r)));
        QCOMPARE(g.Picture1.width() == 0 && g.Picture1.height() == 0, animationVanishes);
        QCOMPARE(g.Picture1.size(), QSizeF(g.HScroll1.width(), g.VScroll1.height()));
    }
};

QTEST_MAIN(LayoutGridTest)
#include "layout_grid_test.moc"
