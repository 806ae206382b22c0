#include "ui/windows/generalparameterswindow.h"
#include "ui/windows/isoquantparameterswindow.h"
#include "ui/windows/mainwindow.h"
#include "ui/windows/viewsettings.h"
#include "ui/chart/plotsurface.h"
#include "ui/results/resultsview.h"
#include "ui/windowlook.h"
#include "uitest.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

/// The View menu: zoom of every window, the chart's scale, what is kept between runs.
class TestView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyControlDoublesAt200_data();
    void everyControlDoublesAt200();
    void zoomStepsStayOnTheScreen();
    void zoomShownAndFollowedByQtsDialogs();
    void scaleShowsTicksWithoutMovingAnyControl();
    void zoomAndScaleSurviveARestart();
    void slowComputerKeepsTheDrawingWhenTheChartTakesFocus();
    void resultListKeepsWholeLinesBesideItsScrollBarAt200();

private:
    template<class T>
    T *control(const char *name) const
    {
        return findControl<T>(form1.get(), name);
    }
    void draw() const { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); }
    QWidget *window(const QString &name) const
    {
        return name == QLatin1String("Form4") ? form1->isoquantParameters()
                : name == QLatin1String("Form5")
                ? static_cast<QWidget *>(form1->generalParameters())
                : form1.get();
    }
    /// The named controls of the three windows, as (window, control) object names.
    QList<std::pair<QString, QString>> namedControls() const;

    std::unique_ptr<MainWindow> form1;
};

void TestView::initTestCase()
{
    // The settings go to a test-only place, under a name of their own.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("production-lab-tests"));
}

void TestView::init()
{
    QSettings().clear();
    form1 = std::make_unique<MainWindow>();
    form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
}

void TestView::cleanup()
{
    form1->viewSettings()->setZoomPercent(100);
    form1.reset();
    QSettings().clear();
}

/// Whether `widget` is a part of the status line, whose height follows its message.
static bool inStatusLine(const QWidget *widget)
{
    for (widget = widget->parentWidget(); widget; widget = widget->parentWidget())
        if (qobject_cast<const QStatusBar *>(widget))
            return true;
    return false;
}

QList<std::pair<QString, QString>> TestView::namedControls() const
{
    QList<std::pair<QString, QString>> controls;
    for (const QString &name : QStringList{ "Form1", "Form4", "Form5" })
        for (const QWidget *child : window(name)->findChildren<QWidget *>())
            if (!child->objectName().isEmpty() && !child->objectName().startsWith(u"qt_")
                && child->window() == window(name) && !inStatusLine(child))
                controls.append({ name, child->objectName() });
    return controls;
}

void TestView::everyControlDoublesAt200_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("controlName"); // empty: the window's own area
    for (const char *name : { "Form1", "Form4", "Form5" })
        QTest::newRow(name) << QString::fromLatin1(name) << QString();
    init(); // the controls are listed from a window like the one each row tests
    for (const auto &[windowName, controlName] : namedControls())
        QTest::newRow(qPrintable(windowName + u' ' + controlName)) << windowName << controlName;
    cleanup();
}

void TestView::everyControlDoublesAt200()
{
    QFETCH(QString, windowName);
    QFETCH(QString, controlName);
    QWidget *top = window(windowName);
    auto *main = qobject_cast<QMainWindow *>(top);
    QWidget *widget = !controlName.isEmpty() ? top->findChild<QWidget *>(controlName)
            : main                           ? main->centralWidget()
                                             : top;
    QVERIFY(widget);
    // A window's own area is compared by size: the menu bar above it is no design control. So is
    // the status line below it, whose place the window's layout gives (and its text's, the bar's).
    const bool sizeOnly = controlName.isEmpty() || qobject_cast<QStatusBar *>(widget);
    const auto place = [&] {
        return sizeOnly ? QRect(QPoint(), widget->size()) : widget->geometry();
    };
    const QRect at100 = place();
    const qreal font100 = widget->font().pointSizeF();
    form1->viewSettings()->setZoomPercent(200);
    const QRect at200 = place();
    const auto near = [](int actual, int expected) { return qAbs(actual - expected) <= 1; };
    QVERIFY2(near(at200.x(), 2 * at100.x()) && near(at200.y(), 2 * at100.y())
                     && near(at200.width(), 2 * at100.width())
                     && near(at200.height(), 2 * at100.height()),
             qPrintable(QDebug::toString(at100) + QStringLiteral(" at 100 %, ")
                        + QDebug::toString(at200)));
    QCOMPARE(widget->font().pointSizeF(), 2 * font100);
    form1->viewSettings()->setZoomPercent(100);
    QCOMPARE(place(), at100);
}

void TestView::zoomStepsStayOnTheScreen()
{
    QAction *zoomIn = control<QAction>("mnuzoomin");
    for (int i = 0; i < 10; ++i)
        zoomIn->trigger();
    QCoreApplication::processEvents();
    const int reached = form1->viewSettings()->zoomPercent();
    QVERIFY(reached >= 200 && reached < 300); // 200 % fits a 1920 x 1080 screen, 300 % does not
    const QSize room = form1->screen()->availableGeometry().size();
    QVERIFY(form1->frameGeometry().width() <= room.width());
    QVERIFY(form1->frameGeometry().height() <= room.height());
    QVERIFY(!zoomIn->isEnabled());

    control<QAction>("mnuzoomout")->trigger();
    QVERIFY(form1->viewSettings()->zoomPercent() < reached);
    QTest::keyClick(form1.get(), Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(form1->viewSettings()->zoomPercent(), reached);
    QTest::keyClick(form1.get(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(form1->viewSettings()->zoomPercent(), 100);
    QVERIFY(!control<QAction>("mnuzoomout")->isEnabled());
    QCOMPARE(form1->centralWidget()->size(), QSize(640, 414));
}

// The View menu names the zoom at each step; Qt's own dialogs, made from the application's font,
// follow it, while the program's windows keep their own fonts (everyControlDoublesAt200).
void TestView::zoomShownAndFollowedByQtsDialogs()
{
    QAction *shown = control<QAction>("mnuzoomlevel");
    QVERIFY(!shown->isEnabled());
    QCOMPARE(shown->text(), QStringLiteral("Zoom: 100 %"));
    const QFont before = QApplication::font();
    const QFont dialogBefore = QMessageBox().font();
    control<QAction>("mnuzoomin")->trigger();
    QCOMPARE(shown->text(), QStringLiteral("Zoom: 125 %"));
    form1->viewSettings()->setZoomPercent(200);
    QCOMPARE(shown->text(), QStringLiteral("Zoom: 200 %"));
    const QFont dialog = QMessageBox().font();
    const auto size = [](const QFont &font) {
        return font.pointSizeF() > 0 ? font.pointSizeF() : qreal(font.pixelSize());
    };
    QCOMPARE(size(dialog), 2 * size(dialogBefore));
    QCOMPARE(size(QFileDialog(nullptr).font()), 2 * size(before));
    control<QAction>("mnuzoomreset")->trigger();
    QCOMPARE(shown->text(), QStringLiteral("Zoom: 100 %"));
    QCOMPARE(QApplication::font(), before);
}

void TestView::scaleShowsTicksWithoutMovingAnyControl()
{
    draw();
    QAction *mnuscale = control<QAction>("mnuscale");
    QVERIFY(mnuscale->isCheckable() && !mnuscale->isChecked()); // off: the window as designed
    const auto places = [this] {
        QList<QRect> rects;
        for (const auto &[windowName, controlName] : namedControls())
            rects << window(windowName)->findChild<QWidget *>(controlName)->geometry();
        return rects;
    };
    const QList<QRect> before = places();
    auto *chart = control<PlotSurface>("Picture1");
    const QImage drawing = chart->image();
    // A tick stands just left of the Y axis at 4 thousand, in the window beside the chart.
    const QPoint tick = chart->geometry().topLeft() + QPoint(-2, qRound(chart->height() * 0.6));
    const auto inkAtTick = [&] {
        return inkAround(form1->centralWidget()->grab().toImage(), tick);
    };
    QVERIFY(!inkAtTick());
    mnuscale->trigger();
    QVERIFY(inkAtTick());
    QCOMPARE(places(), before);
    QCOMPARE(chart->image(), drawing);
    mnuscale->trigger();
    QVERIFY(!inkAtTick());
}

void TestView::zoomAndScaleSurviveARestart()
{
    const auto restart = [this] {
        form1.reset();
        form1 = std::make_unique<MainWindow>();
    };
    control<QAction>("mnuzoomin")->trigger();
    control<QAction>("mnuscale")->trigger();
    control<QLineEdit>("Text1")->setText(QStringLiteral("1234"));
    restart();
    QCOMPARE(form1->viewSettings()->zoomPercent(), 125);
    QVERIFY(control<QAction>("mnuscale")->isChecked());
    QVERIFY(control<PlotSurface>("Picture1")->scaleShown());
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("3000")); // nothing else kept
    QCOMPARE(QSettings().allKeys().size(), 2);

    control<QAction>("mnuzoomreset")->trigger();
    control<QAction>("mnuscale")->trigger();
    restart();
    QCOMPARE(form1->viewSettings()->zoomPercent(), 100);
    QVERIFY(!control<QAction>("mnuscale")->isChecked());
}

void TestView::slowComputerKeepsTheDrawingWhenTheChartTakesFocus()
{
    auto *chart = control<PlotSurface>("Picture1");
    chart->setRetainDrawing(false);
    QApplication::setActiveWindow(form1.get());
    QVERIFY(QTest::qWaitForWindowActive(form1.get()));
    draw();
    QCoreApplication::processEvents();
    QVERIFY(inkNear(chart->image(), 4.511, 1.158));

    control<QLineEdit>("Text3")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), chart);
    QCoreApplication::processEvents();
    QTest::keyClick(chart, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != chart);
    QCoreApplication::processEvents();
    QVERIFY(inkNear(chart->image(), 4.511, 1.158));
}

void TestView::resultListKeepsWholeLinesBesideItsScrollBarAt200()
{
    auto *list = control<QPlainTextEdit>("Label4");
    QScrollBar *bar = list->verticalScrollBar();
    draw();
    QCoreApplication::processEvents();
    QVERIFY(!bar->isVisible()); // one line fits
    for (int i = 0; i < 12; ++i)
        draw();
    int barWidth = 0;
    // The scroll bar leaves room for a whole result line, none wrapped beside it; at 200 % the
    // text and the bar are twice as large, and the newest line stays in view.
    for (const int zoom : { 100, 200 }) {
        form1->viewSettings()->setZoomPercent(zoom);
        QCoreApplication::processEvents();
        QVERIFY(bar->isVisible());
        barWidth = barWidth ? barWidth : bar->width();
        QCOMPARE(bar->width(), zoom / 100 * barWidth);
        QCOMPARE(bar->value(), bar->maximum());
        int laidOut = 0;
        for (QTextBlock line = list->document()->begin(); line.isValid(); line = line.next()) {
            if (line.layout()->lineCount() == 0)
                continue; // not on screen, not laid out
            ++laidOut;
            QCOMPARE(line.layout()->lineCount(), 1);
        }
        QVERIFY(laidOut >= 3);
    }
    QVERIFY(list->fontMetrics().height() >= 2 * QFontMetrics(controlFont()).height() - 1);
}

QTEST_MAIN(TestView)
#include "tst_view.moc"
