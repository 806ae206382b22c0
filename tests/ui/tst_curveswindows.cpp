#include "ui/chartexport.h"
#include "ui/curveswindow.h"
#include "ui/isoquantparameterswindow.h"
#include "ui/mainwindow.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

// Run once per window, selected by its data tag: FormCostCurves or FormInputDemand.
class TestCurvesWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensFollowsTheInputsAndNamesABoxOutOfRange_data();
    void opensFollowsTheInputsAndNamesABoxOutOfRange();

private:
    template<class T>
    static T *control(QObject *window, const QString &name)
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
        return found;
    }

    std::unique_ptr<MainWindow> form1;
};

void TestCurvesWindows::init()
{
    form1 = std::make_unique<MainWindow>();
    form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
}

void TestCurvesWindows::cleanup()
{
    form1.reset();
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
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    CurvesWindow *window =
            name == QLatin1String("FormCostCurves") ? form1->costCurves() : form1->inputDemand();
    QCOMPARE(window->objectName(), name);
    QVERIFY(!window->isVisible());

    control<QAction>(form1.get(), menuItem)->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *label1 = control<QLabel>(window, QStringLiteral("Label1"));
    auto *picture1 = control<QWidget>(window, QStringLiteral("Picture1"));
    auto *picture2 = control<QWidget>(window, QStringLiteral("Picture2"));
    QVERIFY(label1->text().startsWith(QLatin1String("Cobb-Douglas")));
    QVERIFY(picture1->isVisible() && picture2->isVisible());

    // Every control a Draw reads redraws the charts at once, with no Draw.
    auto *form4 = form1->isoquantParameters();
    const auto type = [](QLineEdit *box, const QString &text) {
        box->selectAll();
        QTest::keyClicks(box, text);
    };
    const std::pair<const char *, std::function<void()>> changes[] = {
        { "level", [&] { type(control<QLineEdit>(form1.get(), "Text1"), "4000"); } },
        { "price of Y", [&] { type(control<QLineEdit>(form1.get(), "Text3"), "12"); } },
        { "exponent", [&] { type(control<QLineEdit>(form4, "Text3"), ".5"); } },
        { "technology",
          [&] {
              QTest::mouseClick(control<QRadioButton>(form1.get(), "Option1_1"), Qt::LeftButton);
          } },
        { "short period", [&] { control<QAction>(form1.get(), "mnushort")->trigger(); } },
        { "fixed Y", [&] { type(control<QLineEdit>(form1.get(), "Text4"), "900"); } },
    };
    for (const auto &[what, change] : changes) {
        const QImage before = picture1->grab().toImage();
        change();
        QVERIFY2(picture1->grab().toImage() != before, what);
    }
    QVERIFY(label1->text().contains(QLatin1String("short period with Y fixed at 900")));

    type(control<QLineEdit>(form1.get(), "Text2"), "0");
    QCOMPARE(label1->text(),
             QStringLiteral("Price of input X is out of range: it must be a number greater than "
                            "0."));
    QVERIFY(!picture1->isVisible() && !picture2->isVisible());

    // Closed, it is only hidden, and it shows the charts again once the price is back.
    QPointer<CurvesWindow> kept(window);
    window->close();
    QVERIFY(kept && !window->isVisible());
    type(control<QLineEdit>(form1.get(), "Text2"), "6");
    control<QAction>(form1.get(), menuItem)->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(picture1->isVisible() && label1->text().startsWith(QLatin1String("Perfect")));

    // It zooms with the other windows, and exports its charts as the main chart is exported.
    const QSize designed = picture1->size();
    form1->setZoomPercent(200);
    QCOMPARE(picture1->size(), designed * 2);
    form1->setZoomPercent(100);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("curves.png"));
    QCOMPARE(exportChart(window->chartPicture(), path, ChartFormat::Png), QString());
    const QImage exported(path);
    QVERIFY(exported.width() >= 1200);
    // The curves are in it: pixels of the demand for X's or the long-run costs' blue.
    int blue = 0;
    for (int y = 0; y < exported.height(); y += 2)
        for (int x = 0; x < exported.width(); x += 2)
            blue += exported.pixel(x, y) == qRgb(0x1f, 0x5f, 0xbf);
    QVERIFY2(blue > 100, qPrintable(QString::number(blue)));
}

QTEST_MAIN(TestCurvesWindows)
#include "tst_curveswindows.moc"
