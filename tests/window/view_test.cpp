// View controls: which drawing is shown, the scales and the explanatory pictures.

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "window/form1.h"
#include "support/fake_desktop.h"

using namespace velunta;
using velunta::testing::FakeDesktop;

class ViewTest : public QObject {
    Q_OBJECT

    FakeDesktop desktop;
    const std::vector<velunta::testing::ShownBox>& boxes = desktop.dialogs.shown;

    template <class T>
    static T* child(Form1& w, const char* name) { return w.findChild<T*>(name); }
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(30, 8)); }

private slots:
    // One picture shown, one option checked; the zoom beside the trajectory
    // and the coordinate graph redraws at once.
    void viewSwitch_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("zoomVisible");
        QTest::newRow("анимация") << "Option1" << true;
        QTest::newRow("координата x(t)") << "Option2" << true;
        QTest::newRow("проекция Vy(t)") << "Option3" << false;
    }

    void viewSwitch() {
        QFETCH(QString, option);
        QFETCH(bool, zoomVisible);
        auto w = desktop.window();
        // Start from another view, so that every switch really changes something.
        click(child<QRadioButton>(*w, option == "Option3" ? "Option2" : "Option3"));
        click(child<QRadioButton>(*w, qPrintable(option)));
        for (const QString n : {"1", "2", "3"}) {
            QCOMPARE(child<QWidget>(*w, qPrintable("Picture" + n))->isVisible(), option.endsWith(n));
            QCOMPARE(child<QRadioButton>(*w, qPrintable("Option" + n))->isChecked(), option.endsWith(n));
        }
        QVERIFY(child<QWidget>(*w, "VScroll1")->isVisible() == zoomVisible && !child<QWidget>(*w, "HScroll1")->isVisible());
        if (!zoomVisible) return;
        const double top = w->model().y_top;
        child<QScrollBar>(*w, "VScroll1")->setValue(200);
        QVERIFY(w->model().mashtab_y == 2.0f && w->model().y_top == 2 * top);
    }

    // Missing from the working folder, a picture is warned of at every change of the bar, and none is shown
    // (the equation only until the bar moves); a clickable box selects its picture once. Then, in the
    // program's folder, the pictures show.
    void explanatoryPictures() {
        QTemporaryDir empty;
        const QString startDir = QDir::currentPath();
        QDir::setCurrent(empty.path());
        auto w = desktop.window();
        auto* picture = child<Canvas>(*w, "Picture15");
        QVERIFY(picture->hasPicture());
        auto* bar = child<QScrollBar>(*w, "VScroll2");
        bar->setValue(2);
        QVERIFY(boxes.size() == 1 && !picture->hasPicture());
        bar->setValue(1);
        QVERIFY(boxes.size() == 2 && !picture->hasPicture());  // the design picture does not come back
        click(child<QLabel>(*w, "Label22"));
        QVERIFY(bar->value() == 3 && boxes.size() == 3);
        click(child<QLabel>(*w, "Label22"));
        QCOMPARE(int(boxes.size()), 3);
        QDir::setCurrent(qEnvironmentVariable("VELUNTA_RUN_DIR"));
        for (int n : {2, 1}) {
            bar->setValue(n);
            QVERIFY2(picture->hasPicture(), qPrintable(QString("ris_%1.gif").arg(n)));
        }
        QCOMPARE(int(boxes.size()), 3);
        QDir::setCurrent(startDir);
    }
};

QTEST_MAIN(ViewTest)
#include "view_test.moc"
