#include "ui/chart/plotsurface.h"
#include "uitest.h"

#include <QtTest>

#include <limits>

class TestPlotSurface : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void drawsAtOnceWhereTheMappingPutsIt_data();
    void drawsAtOnceWhereTheMappingPutsIt();
    void widePointIsAFilledDotAsWideAsThePen();
    void singlePixelPointInksItsPixelOnly_data();
    void singlePixelPointInksItsPixelOnly();
    void clippingAndUnreasonableCoordinates_data();
    void clippingAndUnreasonableCoordinates();
    void clearingKeepsMappingAndPenWidth();
    void bufferFollowsTheDevicePixelRatio();
    void retainedDrawingSurvivesAForeignRepaint();
    void slowDrawingShowsUntilAForeignRepaint();
    void coveringAndUncoveringTheWindow_data();
    void coveringAndUncoveringTheWindow();
    void switchingRetentionNeitherClearsNorRedraws();
    void axesAreLayoutAndSurviveClearing();
    void zoomPaintsTheKeptDrawingAgain_data();
    void zoomPaintsTheKeptDrawingAgain();
    void equalDrawsAreKeptOnce();

private:
    PlotSurface *surface = nullptr;
};

void TestPlotSurface::init()
{
    surface = new PlotSurface;
    surface->resize(133, 133);
    surface->setUserCoordinates(0, 10, 10, 0);
}

void TestPlotSurface::cleanup()
{
    delete surface;
}

void TestPlotSurface::drawsAtOnceWhereTheMappingPutsIt_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to"); // equal to `from` for a point
    QTest::addColumn<QList<QPointF>>("inked");
    QTest::addColumn<QList<QPointF>>("clear");

    QTest::newRow("point") << QPointF(5, 5) << QPointF(5, 5) << QList<QPointF>{ { 5, 5 } }
                           << QList<QPointF>{ { 5, 6 }, { 4, 5 } };
    QTest::newRow("y grows upward") << QPointF(2, 8) << QPointF(2, 8) << QList<QPointF>{ { 2, 8 } }
                                    << QList<QPointF>{ { 2, 2 } };
    QTest::newRow("segment") << QPointF(8, 0) << QPointF(0, 4.8)
                             << QList<QPointF>{ { 4, 2.4 }, { 2, 3.6 }, { 7.5, 0.3 } }
                             << QList<QPointF>{ { 4, 5 }, { 6, 0.2 }, { 1, 1 } };
    QTest::newRow("vertical segment")
            << QPointF(3, 3) << QPointF(3, 10) << QList<QPointF>{ { 3, 4 }, { 3, 9.5 } }
            << QList<QPointF>{ { 3, 2 }, { 4, 6 } };
}

void TestPlotSurface::drawsAtOnceWhereTheMappingPutsIt()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QList<QPointF>, inked);
    QFETCH(QList<QPointF>, clear);

    // No event is processed between the call and the read: the drawing is there at once.
    if (from == to)
        surface->plotPoint(from.x(), from.y());
    else
        surface->drawSegment(from.x(), from.y(), to.x(), to.y());
    const QImage image = surface->image();
    for (const QPointF &p : inked)
        QVERIFY2(inkNear(image, p.x(), p.y()),
                 qPrintable(QStringLiteral("no ink at %1,%2").arg(p.x()).arg(p.y())));
    for (const QPointF &p : clear)
        QVERIFY2(!inkNear(image, p.x(), p.y()),
                 qPrintable(QStringLiteral("ink at %1,%2").arg(p.x()).arg(p.y())));
}

void TestPlotSurface::widePointIsAFilledDotAsWideAsThePen()
{
    const qreal ratio = surface->image().devicePixelRatio();
    const auto offset = [&](const QImage &image, double dx, double dy) {
        return chartPixel(image, 5, 5) + QPoint(qRound(dx * ratio), qRound(dy * ratio));
    };
    surface->plotPoint(5, 5);
    QImage thin = surface->image();
    QVERIFY(!inkAround(thin, offset(thin, 2.5, 0), 0));

    surface->clearSurface();
    surface->setPenWidth(8);
    surface->plotPoint(5, 5);
    const QImage wide = surface->image();
    for (const QPointF &d : { QPointF(2.5, 0), QPointF(-2.5, 0), QPointF(0, 2.5), QPointF(0, -2.5),
                              QPointF(1.5, 1.5) })
        QVERIFY(inkAround(wide, offset(wide, d.x(), d.y()), 0));
    QVERIFY(!inkAround(wide, offset(wide, 6, 0), 0));
}

void TestPlotSurface::singlePixelPointInksItsPixelOnly_data()
{
    const float huge = 1e30f, inf = std::numeric_limits<float>::infinity(),
                nan = std::numeric_limits<float>::quiet_NaN();
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<bool>("inked");

    QTest::newRow("centre") << QPointF(5, 5) << true;
    QTest::newRow("top-left corner") << QPointF(0, 10) << true;
    QTest::newRow("bottom-right pixel") << QPointF(9.99, 0.01) << true;
    QTest::newRow("on the right edge") << QPointF(10, 5) << false;
    QTest::newRow("just left of the chart") << QPointF(-0.01, 5) << false;
    QTest::newRow("just below the chart") << QPointF(5, -0.01) << false;
    QTest::newRow("just above the chart") << QPointF(5, 10.01) << false;
    QTest::newRow("far outside") << QPointF(huge, -huge) << false;
    QTest::newRow("infinite") << QPointF(inf, 5) << false;
    QTest::newRow("not a number") << QPointF(5, nan) << false;
}

void TestPlotSurface::singlePixelPointInksItsPixelOnly()
{
    QFETCH(QPointF, at);
    QFETCH(bool, inked);

    surface->plotPoint(at.x(), at.y());
    const QImage image = surface->image();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    // One pixel of the chart is ratio x ratio pixels of the image; nothing may wrap to another row.
    const int ratio = qRound(image.devicePixelRatio());
    QCOMPARE(count, inked ? ratio * ratio : 0);
    if (inked)
        QVERIFY(inkAround(image, chartPixel(image, at.x(), at.y()), 0));
}

void TestPlotSurface::clippingAndUnreasonableCoordinates_data()
{
    const float huge = 1e30f, inf = std::numeric_limits<float>::infinity(),
                nan = std::numeric_limits<float>::quiet_NaN();
    QTest::addColumn<QList<float>>("segment");
    QTest::addColumn<bool>("centreInked");

    QTest::newRow("through the chart from far away")
            << QList<float>{ -1e6f, -1e6f, 1e6f, 1e6f } << true;
    QTest::newRow("across the chart from the float range's ends")
            << QList<float>{ -huge, 5, huge, 5 } << true;
    QTest::newRow("crossing the edges") << QList<float>{ -5, 5, 15, 5 } << true;
    QTest::newRow("entirely outside") << QList<float>{ -5, -5, -1, 20 } << false;
    QTest::newRow("infinite end") << QList<float>{ 2, 5, inf, 5 } << false;
    QTest::newRow("not a number") << QList<float>{ nan, 5, 8, 5 } << false;
}

void TestPlotSurface::clippingAndUnreasonableCoordinates()
{
    QFETCH(QList<float>, segment);
    QFETCH(bool, centreInked);

    surface->setPenWidth(8);
    surface->drawSegment(segment[0], segment[1], segment[2], segment[3]);
    surface->plotPoint(segment[0], segment[1]);
    surface->plotPoint(segment[2], segment[3]);
    const QImage image = surface->image();
    QCOMPARE(inkNear(image, 5, 5), centreInked);
    QCOMPARE(image.size(), QSize(133, 133) * image.devicePixelRatio());
}

void TestPlotSurface::clearingKeepsMappingAndPenWidth()
{
    surface->plotPoint(3, 3); // a single pixel, then painted-over: the call order holds
    surface->clearSurface();
    QVERIFY(blank(surface->image()));
    surface->setPenWidth(8);
    surface->plotPoint(2, 2);
    surface->clearSurface();
    QVERIFY(blank(surface->image()));

    surface->plotPoint(7, 7);
    const QImage image = surface->image();
    QVERIFY(inkNear(image, 7, 7));
    QVERIFY(inkAround(
            image, chartPixel(image, 7, 7) + QPoint(qRound(2.5 * image.devicePixelRatio()), 0), 0));
    QVERIFY(!inkNear(image, 2, 2));
}

void TestPlotSurface::bufferFollowsTheDevicePixelRatio()
{
    surface->show();
    QVERIFY(QTest::qWaitForWindowExposed(surface));
    surface->plotPoint(5, 5);
    const QImage image = surface->image();
    QCOMPARE(image.devicePixelRatio(), surface->devicePixelRatioF());
    QCOMPARE(image.size(), (QSizeF(surface->size()) * surface->devicePixelRatioF()).toSize());
    QVERIFY(inkNear(image, 5, 5));
}

void TestPlotSurface::retainedDrawingSurvivesAForeignRepaint()
{
    surface->show();
    QVERIFY(QTest::qWaitForWindowExposed(surface));
    surface->drawSegment(0, 5, 10, 5);
    QCoreApplication::processEvents();
    surface->repaint(); // as when the area is covered and uncovered
    QVERIFY(inkNear(surface->image(), 5, 5));
    const QImage shown = surface->grab().toImage();
    QVERIFY(inkAround(shown, chartPixel(shown, 5, 5)));
}

void TestPlotSurface::slowDrawingShowsUntilAForeignRepaint()
{
    surface->setRetainDrawing(false);
    surface->show();
    QVERIFY(QTest::qWaitForWindowExposed(surface));
    surface->drawSegment(0, 5, 10, 5);
    QCoreApplication::processEvents(); // the surface's own repaint shows the line
    QVERIFY(inkNear(surface->image(), 5, 5));

    surface->repaint();
    QVERIFY(!inkNear(surface->image(), 5, 5));
    // The mapping and the pen stay: drawing goes on normally after the loss.
    surface->plotPoint(2, 2);
    QVERIFY(inkNear(surface->image(), 2, 2));
}

void TestPlotSurface::coveringAndUncoveringTheWindow_data()
{
    QTest::addColumn<bool>("retain");
    QTest::newRow("fast computer keeps the drawing") << true;
    QTest::newRow("slow computer loses the uncovered part") << false;
}

void TestPlotSurface::coveringAndUncoveringTheWindow()
{
    QFETCH(bool, retain);
    QWidget window;
    window.resize(200, 200);
    surface->setParent(&window);
    surface->move(20, 30);
    surface->setRetainDrawing(retain);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    surface->drawSegment(0, 2, 10, 2);
    surface->drawSegment(0, 8, 10, 8);
    QCoreApplication::processEvents();

    // Another window lay over the lower half of the chart and has gone: the window system
    // reports that area (in window coordinates) exposed.
    QExposeEvent uncovered(QRegion(0, 30 + 80, 200, 90));
    QCoreApplication::sendEvent(window.windowHandle(), &uncovered);
    QCoreApplication::processEvents();
    const QImage image = surface->image();
    QVERIFY(inkNear(image, 5, 8));
    QCOMPARE(inkNear(image, 5, 2), retain);
    const QImage shown = surface->grab().toImage();
    QCOMPARE(inkAround(shown, chartPixel(shown, 5, 2)), retain);
    surface->setParent(nullptr);
}

void TestPlotSurface::switchingRetentionNeitherClearsNorRedraws()
{
    surface->drawSegment(0, 5, 10, 5);
    const QImage before = surface->image();
    surface->setRetainDrawing(false);
    QCOMPARE(surface->image(), before);
    surface->setRetainDrawing(true);
    QCOMPARE(surface->image(), before);
}

void TestPlotSurface::axesAreLayoutAndSurviveClearing()
{
    surface->drawSegment(0, 5, 10, 5);
    surface->clearSurface();
    QVERIFY(blank(surface->image())); // the axes are not part of the drawing...
    const QImage shown = surface->grab().toImage();
    const int edge = shown.height() - 1;
    // ...but the widget shows them: Y along the left edge, X along the bottom edge.
    QVERIFY(inkAround(shown, QPoint(0, shown.height() / 2), 0));
    QVERIFY(inkAround(shown, QPoint(shown.width() / 2, edge), 1));
    QVERIFY(!inkAround(shown, QPoint(shown.width() / 2, shown.height() / 2), 2));
}

void TestPlotSurface::zoomPaintsTheKeptDrawingAgain_data()
{
    QTest::addColumn<bool>("retain");
    QTest::newRow("fast computer: painted again, sharp") << true;
    QTest::newRow("slow computer: nothing kept, the chart comes back empty") << false;
}

void TestPlotSurface::zoomPaintsTheKeptDrawingAgain()
{
    QFETCH(bool, retain);
    surface->setRetainDrawing(retain);
    for (float x = 0.05f; x < 10; x += 0.05f) // a curve of single pixels
        surface->plotPoint(x, 8 - 0.6f * x);
    surface->drawSegment(0, 2, 10, 5);
    surface->setPenWidth(8);
    surface->plotPoint(6, 7);
    surface->setPenWidth(1);
    surface->finishDraw();
    const QImage at100 = surface->image();

    surface->setScaleFactor(2);
    surface->resize(266, 266);
    const QImage at200 = surface->image();
    QCOMPARE(at200.size(), at100.size() * 2);
    if (!retain) {
        QVERIFY(blank(at200));
        return;
    }
    // Scaled down, the 200 % rendering is dark wherever the 100 % one has ink, and the pens
    // doubled with it: the 8-pixel dot is 16 pixels wide, a single pixel 2 x 2. A single pixel
    // at 200 % is centred on its point, so it may lie up to half a pixel off the 100 % pixel
    // that holds the point: ink within one pixel counts.
    const QImage down = at200.scaled(at100.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const auto darkNear = [&down](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (down.valid(x + dx, y + dy) && qGray(down.pixel(x + dx, y + dy)) <= 170)
                    return true;
        return false;
    };
    int inked = 0, missed = 0;
    for (int y = 0; y < at100.height(); ++y)
        for (int x = 0; x < at100.width(); ++x)
            if (qGray(at100.pixel(x, y)) < 128) {
                ++inked;
                missed += !darkNear(x, y);
            }
    QVERIFY(inked > 300);
    QVERIFY2(missed * 50 <= inked, qPrintable(QStringLiteral("%1 of %2").arg(missed).arg(inked)));
    const qreal ratio = at200.devicePixelRatio();
    const QPoint dot = chartPixel(at200, 6, 7);
    QVERIFY(inkAround(at200, dot + QPoint(qRound(7 * ratio), 0), 0));
    QVERIFY(!inkAround(at200, dot + QPoint(qRound(10 * ratio), 0), 0));
    QVERIFY(inkAround(at200, chartPixel(at200, 5, 5) + QPoint(0, 0), 0)); // 8 - 0.6 * 5 = 5
    QVERIFY(!blank(at200));
}

void TestPlotSurface::equalDrawsAreKeptOnce()
{
    const auto drawCurve = [this](float level) {
        for (float x = 0.5f; x < 10; x += 0.5f)
            surface->plotPoint(x, level / x);
        surface->drawSegment(0, level / 2, level / 2, 0);
        surface->finishDraw();
    };
    drawCurve(6);
    drawCurve(12);
    drawCurve(6);
    drawCurve(6);
    QCOMPARE(surface->drawing().distinctRuns(), std::size_t(2));
    const QImage before = surface->image();

    // Painted again, each kept run once, the drawing is the same as drawn.
    surface->setScaleFactor(2);
    surface->setScaleFactor(1);
    QCOMPARE(surface->image(), before);
    QVERIFY(inkNear(before, 2, 6)); // the level-12 curve, drawn between the equal ones

    surface->clearSurface();
    QCOMPARE(surface->drawing().distinctRuns(), std::size_t(0));
    surface->setScaleFactor(2);
    QVERIFY(blank(surface->image()));
}

QTEST_MAIN(TestPlotSurface)
#include "tst_plotsurface.moc"
