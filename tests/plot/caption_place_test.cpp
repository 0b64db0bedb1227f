// Axis captions keep clear of the grid's numbers, moved as little as needed.

#include <QTest>

#include "plot/caption_place.h"

using namespace velunta;

class CaptionPlaceTest : public QObject {
    Q_OBJECT
private slots:
    void freePlace_data() {
        QTest::addColumn<QRectF>("wanted");
        QTest::addColumn<QList<QRectF>>("taken");
        QTest::addColumn<QPointF>("expected");
        const QRectF bounds(0, 0, 145, 485);
        const QRectF caption(29, 0, 30, 18), number(4, 0, 28, 18);  // "3.00" at the top, "Y, м" into it
        QTest::newRow("touching is free") << caption << QList<QRectF>{QRectF(4, 0, 25, 18)} << caption.topLeft();
        QTest::newRow("number at its left: to its right") << caption << QList<QRectF>{number} << QPointF(34, 0);
        QTest::newRow("row of numbers: below them") << QRectF(10, 0, 30, 18)
            << QList<QRectF>{QRectF(0, 0, 28, 18), QRectF(30, 0, 28, 18), QRectF(60, 0, 28, 18), QRectF(90, 0, 28, 18), QRectF(120, 0, 25, 18)}
            << QPointF(10, 20);
        QTest::newRow("at the right edge: the shorter way, down") << QRectF(110, 100, 30, 18)
            << QList<QRectF>{QRectF(120, 95, 25, 18)} << QPointF(110, 115);
        QTest::newRow("at the right edge, flat number: to the left") << QRectF(110, 100, 30, 18)
            << QList<QRectF>{QRectF(120, 60, 25, 100)} << QPointF(88, 100);
        QTest::newRow("nowhere free: stays") << QRectF(10, 10, 30, 18) << QList<QRectF>{bounds} << QPointF(10, 10);
    }

    void freePlace() {
        QFETCH(QRectF, wanted);
        QFETCH(QList<QRectF>, taken);
        QFETCH(QPointF, expected);
        QCOMPARE(velunta::freePlace(wanted, taken, QRectF(0, 0, 145, 485)), expected);
    }
};

QTEST_MAIN(CaptionPlaceTest)
#include "caption_place_test.moc"
