#include "ui/chart/chartexport.h"
#include "ui/windows/curveswindow.h"
#include "ui/windows/isoquantparameterswindow.h"
#include "ui/windows/mainwindow.h"
#include "ui/windows/viewsettings.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

// Run once per window, selected by its data tag: FormCostCurves or FormInputDemand.
class TestCurvesWindows : public QObject
{
    Q_OBJECT

private slots:
    void opensFollowsTheInputsAndNamesABoxOutOfRange_data();
    void opensFollowsTheInputsAndNamesABoxOutOfRange();
};

template<class T>
static T *control(QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return found;
}

void TestCurvesWindows::opensFollowsTheInputsAndNamesABoxOutOfRange_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::newRow("FormCostCurves") << QStringLiteral("mnucostcurves");
    QTest::newRow("FormInputDemand") << QStringLiteral("mnuinputdemand");
}

void TestCurvesWindows::opensFollowsTheInputsAndNamesABoxOutOfRange()
{
    QFETCH(QString, menuItem);
    MainWindow form1;
    form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form1));
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    CurvesWindow *window =
            name == QLatin1String("FormCostCurves") ? form1.costCurves() : form1.inputDemand();
    QCOMPARE(window->objectName(), name);
    QVERIFY(!window->isVisible());
    QAction *open = form1.findChild<QAction *>(menuItem);
    QVERIFY(open);
    open->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *label1 = control<QLabel>(window, "Label1");
    auto *picture1 = control<QWidget>(window, "Picture1");
    auto *picture2 = control<QWidget>(window, "Picture2");
    QVERIFY(label1->text().startsWith(QLatin1String("Cobb-Douglas")));
    QVERIFY(picture1->isVisible() && picture2->isVisible());

    // Every control a Draw reads redraws the charts at once, with no Draw.
    const auto type = [&](QObject *form, const char *box, const QString &text) {
        return [=] {
            control<QLineEdit>(form, box)->selectAll();
            QTest::keyClicks(control<QLineEdit>(form, box), text);
        };
    };
    const std::pair<const char *, std::function<void()>> changes[] = {
        { "level", type(&form1, "Text1", "4000") },
        { "price of Y", type(&form1, "Text3", "12") },
        { "exponent", type(form1.isoquantParameters(), "Text3", ".5") },
        { "technology",
          [&] { QTest::mouseClick(control<QRadioButton>(&form1, "Option1_1"), Qt::LeftButton); } },
        { "short period", [&] { control<QAction>(&form1, "mnushort")->trigger(); } },
        { "fixed Y", type(&form1, "Text4", "900") },
    };
    for (const auto &[what, change] : changes) {
        const QImage before = picture1->grab().toImage();
        change();
        QVERIFY2(picture1->grab().toImage() != before, what);
    }
    QVERIFY(label1->text().contains(QLatin1String("short period with Y fixed at 900")));

    type(&form1, "Text2", "0")();
    QCOMPARE(label1->text(),
             QStringLiteral("Price of input X is out of range: it must be a number greater than "
                            "0."));
    QVERIFY(!picture1->isVisible() && !picture2->isVisible());

    // Closed, it is only hidden, and it shows the charts again once the price is back.
    QPointer<CurvesWindow> kept(window);
    window->close();
    QVERIFY(kept && !window->isVisible());
    type(&form1, "Text2", "6")();
    open->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(picture1->isVisible() && label1->text().startsWith(QLatin1String("Perfect")));

    // It zooms with the other windows, and exports its charts with the curves' blue in them.
    const QSize designed = picture1->size();
    form1.viewSettings()->setZoomPercent(200);
    QCOMPARE(picture1->size(), designed * 2);
    form1.viewSettings()->setZoomPercent(100);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("curves.png"));
    QCOMPARE(exportChart(window->chartPicture(), path, ChartFormat::Png), QString());
    const QImage exported(path);
    QVERIFY(exported.width() >= 1200);
    int blue = 0;
    for (int y = 0; y < exported.height(); y += 2)
        for (int x = 0; x < exported.width(); x += 2)
            blue += exported.pixel(x, y) == qRgb(0x1f, 0x5f, 0xbf);
    QVERIFY2(blue > 100, qPrintable(QString::number(blue)));
}

QTEST_MAIN(TestCurvesWindows)
#include "tst_curveswindows.moc"
