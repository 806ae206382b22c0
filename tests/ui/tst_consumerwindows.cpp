#include "ui/chart/chartexport.h"
#include "ui/windows/consumerwindow.h"
#include "ui/windows/mainwindow.h"
#include "uitest.h"

#include <QtTest>
#include <QtWidgets>

// The two consumer windows, opened from the main window's Consumer menu as a student does.
class TestConsumerWindows : public QObject
{
    Q_OBJECT

private slots:
    void engelCurvesFollowTheBoxesAsTyped();
    void priceChangeSplitsIntoItsEffects();

private:
    static ConsumerWindow *open(MainWindow &form1, const char *item, const char *name);
};

static void retype(QWidget *window, const char *box, const QString &text)
{
    auto *edit = findControl<QLineEdit>(window, box);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

ConsumerWindow *TestConsumerWindows::open(MainWindow &form1, const char *item, const char *name)
{
    // The Consumer menu stands between Issues and View.
    QStringList menus;
    for (QAction *action : form1.menuBar()->actions())
        menus << action->menu()->objectName();
    const qsizetype consumer = menus.indexOf(QLatin1String("mnuconsumer"));
    if (consumer < 1 || menus.value(consumer - 1) != QLatin1String("mnuderived")
        || menus.value(consumer + 1) != QLatin1String("mnuview"))
        qFatal("menus in the order %s", qPrintable(menus.join(u' ')));
    findControl<QAction>(&form1, item)->trigger();
    auto *window = form1.findChild<ConsumerWindow *>(QLatin1String(name));
    if (!window || !QTest::qWaitForWindowExposed(window))
        qFatal("%s not shown", name);
    return window;
}

void TestConsumerWindows::engelCurvesFollowTheBoxesAsTyped()
{
    MainWindow form1;
    form1.show();
    QVERIFY(form1.findChild<ConsumerWindow *>() == nullptr); // built at first use only
    ConsumerWindow *window = open(form1, "mnuengel", "FormEngel");
    auto *summary = findControl<QLabel>(window, "Summary");
    auto *picture1 = findControl<QWidget>(window, "Picture1");
    auto *picture2 = findControl<QWidget>(window, "Picture2");

    // Cobb-Douglas a = b = .5, income 120, prices 2 and 3: half the income on each good.
    QVERIFY2(summary->text().contains(QLatin1String("X = 30. Y = 20.")),
             qPrintable(summary->text()));
    QVERIFY2(picture1->accessibleDescription().contains(QLatin1String("240: X 60, Y 40")),
             qPrintable(picture1->accessibleDescription()));
    QVERIFY2(picture2->accessibleDescription().contains(QLatin1String("Engel curve of X 30")),
             qPrintable(picture2->accessibleDescription()));

    // Quasi-linear: X stays at a py / (b px) = 1.5 whatever the income beyond it buys.
    QTest::mouseClick(findControl<QRadioButton>(window, "QuasiLinear"), Qt::LeftButton);
    QCOMPARE(findControl<QLabel>(window, "Formula")->text(),
             QStringLiteral("Utility: a ln X + b Y"));
    retype(window, "Income", QStringLiteral("600"));
    QVERIFY2(summary->text().contains(QLatin1String("X = 1.5 Y = 199")),
             qPrintable(summary->text()));

    // A box out of range empties the charts and names the box; typing it right draws again.
    retype(window, "ParameterB", QStringLiteral("0"));
    QVERIFY2(summary->text().startsWith(QLatin1String("b is out of range")),
             qPrintable(summary->text()));
    QVERIFY(!picture1->isVisible() && !picture2->isVisible());
    QVERIFY(!findControl<QAction>(window, "mnuexportchart")->isEnabled());
    retype(window, "ParameterB", QStringLiteral(".5"));
    QVERIFY(picture1->isVisible() && picture2->isVisible());

    // Closed, it is hidden and comes back as it was left.
    window->close();
    QVERIFY(!window->isVisible());
    QCOMPARE(open(form1, "mnuengel", "FormEngel"), window);
    QCOMPARE(findControl<QLineEdit>(window, "Income")->text(), QStringLiteral("600"));

    // Its export is its own, titled as the window and showing its charts.
    const ChartPicture picture = window->chartPicture();
    QCOMPARE(picture.title, window->windowTitle());
    QCOMPARE(picture.fileName, QStringLiteral("engel-curves.png"));
    QVERIFY(!blank(chartImage(picture)));
}

void TestConsumerWindows::priceChangeSplitsIntoItsEffects()
{
    MainWindow form1;
    form1.show();
    ConsumerWindow *window = open(form1, "mnupriceeffects", "FormPriceEffects");
    auto *summary = findControl<QLabel>(window, "Summary");
    auto *picture1 = findControl<QWidget>(window, "Picture1");

    // The summary and the chart's description follow the window's boxes (their numbers are
    // checked with the computation): Cobb-Douglas a = b = .5, income 120, price of X 2 to 1.
    QVERIFY2(summary->text().contains(QLatin1String("(Hicks): 12.43\n")),
             qPrintable(summary->text()));
    const QString description = picture1->accessibleDescription();
    for (const char *said :
         { "A: X 30, Y 20", "B: X 42.43, Y 14.14", "Substitution effect from 30 to 42.43" })
        QVERIFY2(description.contains(QLatin1String(said)), qPrintable(description));

    // Slutsky's compensation: the old basket bought again at the new price, (45, 15).
    QTest::mouseClick(findControl<QRadioButton>(window, "Slutsky"), Qt::LeftButton);
    QVERIFY2(summary->text().contains(QLatin1String("(Slutsky): 15.\n")),
             qPrintable(summary->text()));
    QVERIFY(picture1->accessibleDescription().contains(QLatin1String("B: X 45, Y 15")));

    retype(window, "NewPriceX", QStringLiteral("0"));
    QVERIFY2(summary->text().startsWith(QLatin1String("New price of X is out of range")),
             qPrintable(summary->text()));
    QVERIFY(!picture1->isVisible());

    // The keyboard reaches every box, button and chart; Escape is checked with the other windows.
    retype(window, "NewPriceX", QStringLiteral("1"));
    QWidget *first = findControl<QLineEdit>(window, "Income");
    first->setFocus();
    QStringList visited;
    for (int i = 0; i < 20 && !visited.contains(QLatin1String("Summary")); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    for (const char *name :
         { "PriceX", "PriceY", "NewPriceX", "ParameterA", "ParameterB", "Picture1", "Summary" })
        QVERIFY2(visited.contains(QLatin1String(name)), qPrintable(visited.join(u' ')));
}

QTEST_MAIN(TestConsumerWindows)
#include "tst_consumerwindows.moc"
