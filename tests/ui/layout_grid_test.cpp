// The window grid: exact places at the design size, what moves and what
// stretches when the window grows, and no negative sizes when it shrinks.

#include <QMenuBar>
#include <QSet>
#include <QtTest>

#include "ui/form1_controls.h"
#include "ui/layout_grid.h"

using namespace velunta;

namespace {

QRectF rectOf(const LayoutGrid& grid, const QString& name) {
    for (const auto& [n, r] : grid.named())
        if (n == name) return r;
    qFatal("no control %s in the grid", qPrintable(name));
    return {};
}

bool near(double a, double b) { return std::abs(a - b) < 1e-9; }

QString show(const QRectF& r) {
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

bool same(const QRectF& a, const QRectF& b) {
    return near(a.left(), b.left()) && near(a.top(), b.top()) && near(a.width(), b.width()) &&
           near(a.height(), b.height());
}

}  // namespace

class LayoutGridTest : public QObject {
    Q_OBJECT
private slots:
    void designSize_data();
    void designSize();
    void equationPictureFitsDesignHeight();
    void widening_data();
    void widening();
    void heightening_data();
    void heightening();
    void tinyWindow_data();
    void tinyWindow();
    void appliedToWidgets();
};

void LayoutGridTest::designSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("expected");
    auto row = [](const char* name, double x, double y, double w, double h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRectF(x, y, w, h);
    };
    // Panels and their headers.
    row("Label36", 172, 4, 152, 26);
    row("Label15", 332, 30, 152, 26);
    row("Label32", 488, 4, 152, 26);
    row("Label21", 488, 30, 152, 26);
    row("Label28", 644, 30, 152, 26);
    // Input rows: caption 38, box 76; the first unit 45.6 wide ends at 159.6 into the panel.
    row("Label1", 172, 34, 38, 26);
    row("Text1", 210, 34, 76, 26);
    row("Label2", 286, 34, 45.6, 26);
    row("Label4", 286, 64, 76, 26);
    row("Label13", 172, 184, 38, 26);
    row("Label14", 286, 184, 76, 26);
    row("Text3", 210, 214, 76, 26);
    row("Label43", 172, 274, 152, 26);
    row("Label43_2", 174, 272, 20, 24);
    // Result rows lie H below the parameter row of the same number.
    row("Label16", 332, 120, 152, 26);
    row("Label38", 332, 300, 152, 26);
    row("Label22", 488, 60, 152, 26);
    row("Label22_2", 489, 58, 20, 24);
    row("Label37", 488, 360, 152, 26);
    row("Label5", 644, 60, 152, 26);
    row("Label18_2", 645, 268, 20, 24);
    row("Label20", 644, 330, 152, 26);
    row("Label20_2", 645, 328, 20, 24);
    row("Label35", 644, 360, 152, 26);
    // Animation area.
    row("VScroll1", 4, 4, 19, 485);
    row("HScroll1", 23, 489, 145, 19);
    row("Picture1", 23, 4, 145, 485);
    // Counter row.
    row("Picture4", 172, 390, 152, 28.6);
    row("Picture14", 172, 422.6, 152, 28.6);
    row("Picture15", 172, 455.2, 268, 56);
    row("VScroll2", 440, 455.2, 19, 56);
    row("Label27", 332, 390, 19, 26);
    row("HScroll2", 351, 390, 133, 26);
    row("CmdOK", 682, 436, 76, 26);
    row("Command1", 682, 398, 76, 26);
    row("Frame1", 488, 390, 152, 80.6);
    // Graph areas.
    row("Picture2", 23, 4, 773, 382);
    row("Picture3", 23, 4, 773, 382);
}

void LayoutGridTest::designSize() {
    QFETCH(QString, name);
    QFETCH(QRectF, expected);
    const QRectF actual = rectOf(computeLayout(800, 512), name);
    QVERIFY2(same(actual, expected), qPrintable(show(actual) + " != " + show(expected)));
}

void LayoutGridTest::equationPictureFitsDesignHeight() {
    const LayoutGrid g = computeLayout(800, 512);
    QVERIFY(near(g.Picture15.bottom(), 511.2));
    QCOMPARE(g.L_width, 76);
    QCOMPARE(g.L_height, 26);
    QCOMPARE(g.otstup_x, 4);
    QCOMPARE(g.otstup_y, 4);
}

void LayoutGridTest::widening_data() {
    QTest::addColumn<double>("extra");
    QTest::newRow("1 px") << 1.0;
    QTest::newRow("200 px") << 200.0;
    QTest::newRow("fractional") << 37.5;
}

// Panels, counters, buttons and the frame follow the right edge; only the
// canvases and the hidden horizontal bar stretch; nothing moves vertically.
void LayoutGridTest::widening() {
    QFETCH(double, extra);
    const LayoutGrid before = computeLayout(800, 512);
    const LayoutGrid after = computeLayout(800 + extra, 512);
    const QSet<QString> stretching{"Picture1", "HScroll1", "Picture2", "Picture3"};
    const auto rectsBefore = before.named();
    const auto rectsAfter = after.named();
    for (int i = 0; i < rectsBefore.size(); ++i) {
        const QString& name = rectsBefore[i].first;
        const QRectF b = rectsBefore[i].second, a = rectsAfter[i].second;
        QRectF expected = b;
        if (stretching.contains(name))
            expected.setWidth(b.width() + extra);
        else if (name != "VScroll1")
            expected.translate(extra, 0);
        QVERIFY2(same(a, expected), qPrintable(name + ": " + show(a) + " != " + show(expected)));
    }
}

void LayoutGridTest::heightening_data() {
    QTest::addColumn<double>("extra");
    QTest::newRow("1 px") << 1.0;
    QTest::newRow("300 px") << 300.0;
}

// Only the animation area grows downwards; its bottom bar moves with it.
void LayoutGridTest::heightening() {
    QFETCH(double, extra);
    const auto rectsBefore = computeLayout(800, 512).named();
    const auto rectsAfter = computeLayout(800, 512 + extra).named();
    for (int i = 0; i < rectsBefore.size(); ++i) {
        const QString& name = rectsBefore[i].first;
        const QRectF b = rectsBefore[i].second, a = rectsAfter[i].second;
        QRectF expected = b;
        if (name == "VScroll1" || name == "Picture1")
            expected.setHeight(b.height() + extra);
        else if (name == "HScroll1")
            expected.translate(0, extra);
        QVERIFY2(same(a, expected), qPrintable(name + ": " + show(a) + " != " + show(expected)));
    }
}

void LayoutGridTest::tinyWindow_data() {
    QTest::addColumn<QSizeF>("client");
    QTest::addColumn<bool>("animationVanishes");
    QTest::newRow("minimised") << QSizeF(0, 0) << true;
    QTest::newRow("100 x 20") << QSizeF(100, 20) << true;
    QTest::newRow("one short of the limits") << QSizeF(654, 26) << true;
    QTest::newRow("at the limits") << QSizeF(655, 27) << true;
    QTest::newRow("one past the limits") << QSizeF(656, 28) << false;
}

void LayoutGridTest::tinyWindow() {
    QFETCH(QSizeF, client);
    QFETCH(bool, animationVanishes);
    const LayoutGrid g = computeLayout(client.width(), client.height());
    for (const auto& [name, r] : g.named()) {
        QVERIFY2(r.width() >= 0 && r.height() >= 0, qPrintable(name + ": " + show(r)));
        QVERIFY2(std::isfinite(r.left()) && std::isfinite(r.top()), qPrintable(name));
    }
    QCOMPARE(g.Picture1.width() == 0 && g.Picture1.height() == 0, animationVanishes);
    QCOMPARE(g.Picture1.width(), g.HScroll1.width());
    QCOMPARE(g.Picture1.height(), g.VScroll1.height());
}

// The widgets get the grid in whole pixels; the counters are restyled, the
// recompute button hidden, and the ball and the option buttons left alone.
void LayoutGridTest::appliedToWidgets() {
    QWidget client;
    QMenuBar menuBar;
    Form1Controls c;
    buildForm1Controls(&client, &menuBar, c);
    c.Shape1->setLeft(0.25);
    c.Command1->show();

    const LayoutGrid g = computeLayout(800, 512);
    applyLayout(g, c);
    for (const auto& [name, r] : g.named()) {
        auto* widget = client.findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        const QRect expected(qRound(r.left()), qRound(r.top()), qRound(r.width()), qRound(r.height()));
        QVERIFY2(widget->geometry() == expected, qPrintable(name));
    }
    QCOMPARE(c.Picture4->geometry(), QRect(172, 390, 152, 29));
    QCOMPARE(c.Frame1->height(), 81);
    QVERIFY(c.Command1->isHidden());

    for (Canvas* counter : {c.Picture4, c.Picture14}) {
        QCOMPARE(counter->BackColor(), RGB(0, 0, 0));
        QCOMPARE(counter->ForeColor(), RGB(0, 255, 0));
        QCOMPARE(counter->FontSize(), 18.0);
        QVERIFY(!counter->AutoRedraw());
        QCOMPARE(counter->image().pixelColor(counter->width() / 2, counter->height() / 2),
                 QColor(Qt::black));
    }

    QCOMPARE(c.Shape1->Left(), 0.25);
    QCOMPARE(c.Shape1->Width(), 10.0);
    QCOMPARE(c.Option2->geometry(), QRect(1, 40, 120, 17));

    applyLayout(computeLayout(0, 0), c);
    QCOMPARE(c.Picture1->size(), QSize(0, 0));
    QCOMPARE(c.Picture2->height(), 382);  // the graph areas keep their fixed height
}

QTEST_MAIN(LayoutGridTest)
#include "layout_grid_test.moc"
