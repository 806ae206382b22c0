#include "ui/chart/chartexport.h"
#include "ui/chart/curveplot.h"
#include "ui/windows/curveswindow.h"
#include "ui/windows/isoquantparameterswindow.h"
#include "ui/windows/mainwindow.h"
#include "ui/windows/viewsettings.h"
#include "uitest.h"

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
    void exportsUnderItsOwnNameWithinItsFrames_data();
    void exportsUnderItsOwnNameWithinItsFrames();
    void longTitleWrapsOntoASecondLine();
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

void TestCurvesWindows::exportsUnderItsOwnNameWithinItsFrames_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("FormCostCurves")
            << QStringLiteral("Cost curves") << QStringLiteral("cost-curves.svg");
    QTest::newRow("FormInputDemand")
            << QStringLiteral("Input demand") << QStringLiteral("input-demand.svg");
}

// An export is the window's own: its title in the SVG and PDF, its own file name proposed. In
// the short period the average costs rise beyond the chart's top: in the SVG too, no curve
// leaves its chart's frame. Resized, the window shares its room between the two charts.
void TestCurvesWindows::exportsUnderItsOwnNameWithinItsFrames()
{
    QFETCH(QString, title);
    QFETCH(QString, fileName);
    MainWindow form1;
    control<QAction>(&form1, "mnushort")->trigger();
    const bool costs = QLatin1String(QTest::currentDataTag()) == QLatin1String("FormCostCurves");
    CurvesWindow *window = costs ? form1.costCurves() : form1.inputDemand();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const ChartPicture picture = window->chartPicture();
    QCOMPARE(picture.title, title);
    QCOMPARE(picture.fileName, fileName);

    QTemporaryDir folder;
    const QString svg = folder.filePath(QStringLiteral("curves.svg"));
    const QString pdf = folder.filePath(QStringLiteral("curves.pdf"));
    QCOMPARE(exportChart(picture, svg, ChartFormat::Svg), QString());
    QCOMPARE(exportChart(picture, pdf, ChartFormat::Pdf), QString());
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray drawing = file.readAll();
    QVERIFY(drawing.contains("<title>" + title.toUtf8() + "</title>"));
    int curves = 0;
    for (const SvgPolyline &line : svgPolylines(drawing))
        curves += line.points.size() >= 3;
    QVERIFY(curves >= 2);
    const qreal width = picture.size.width() * chartImageScale(picture.size);
    QCOMPARE(svgCurvePointsOutsideGrid(drawing, width, 2, 0.05), 0);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), { pdf });
    QVERIFY(info.waitForFinished(30000));
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Title: +") + title)));

    // The save dialog proposes the window's own name, in the SVG format.
    QString proposed, filter;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        proposed = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
        filter = dialog->selectedNameFilter();
        dialog->reject();
    });
    control<QAction>(window, "mnuexportchart")->trigger();
    QCOMPARE(proposed, fileName);
    QVERIFY2(filter.contains(QLatin1String("*.svg")), qPrintable(filter));

    auto *picture1 = control<QWidget>(window, "Picture1");
    auto *picture2 = control<QWidget>(window, "Picture2");
    const QSize designed = picture1->size();
    window->resize(1900, 1000);
    QTRY_VERIFY(picture1->width() > 2 * designed.width());
    QCOMPARE(picture1->size(), picture2->size());
    QVERIFY(picture1->height() > 2 * designed.height());
    // It shrinks no further than the design's size.
    window->resize(100, 100);
    QTRY_COMPARE(picture1->size(), designed);
}

// A chart's title too long for its width wraps: its second line is drawn where a one-line
// title leaves the chart blank, and the chart moves down to leave it room.
void TestCurvesWindows::longTitleWrapsOntoASecondLine()
{
    analysis::CurveChart chart;
    chart.title = "Conditional demand for X, output 3000000, price of Y 10.25 and more words";
    chart.horizontal = { "Price of X", 10, 2 };
    chart.vertical = { "Quantity", 10, 2 };
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    paintCurveChart(painter, image.rect(), chart, palette);
    painter.end();
    const int line = QFontMetrics(font).height();
    bool secondLine = false;
    for (int y = line + 3; y < 2 * line; ++y)
        for (int x = 100; x < 200; ++x)
            secondLine = secondLine || qGray(image.pixel(x, y)) < 128;
    QVERIFY(secondLine);
}

QTEST_MAIN(TestCurvesWindows)
#include "tst_curveswindows.moc"
