#include "ui/chart/chartexport.h"
#include "ui/chart/contrast.h"
#include "ui/chart/figureplot.h"
#include "ui/windows/figurewindow.h"
#include "ui/windows/mainwindow.h"
#include "uitest.h"

#include <QtTest>
#include <QtWidgets>

class TestFigureWindow : public QObject
{
    Q_OBJECT

private slots:
    void followsEveryDrawAndClearAndExports();
    void coloursStandOutOnLightAndDarkBackgrounds();
};

namespace {

void setText(QWidget *window, const char *box, const QString &text)
{
    findControl<QLineEdit>(window, box)->setText(text);
}

/// How many pixels of `image` are within a little of `colour`.
int pixelsOf(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                            + std::abs(c.blue() - colour.blue())
                    < 12;
        }
    return count;
}

} // namespace

void TestFigureWindow::followsEveryDrawAndClearAndExports()
{
    MainWindow form1;
    form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form1));
    // Start-up builds nothing of it.
    QVERIFY(!form1.findChild<FigureWindow *>(QStringLiteral("FormFigure")));
    findControl<QAction>(&form1, "mnufigure")->trigger();
    auto *window = form1.findChild<FigureWindow *>(QStringLiteral("FormFigure"));
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Figure of the Draws"));
    auto *picture1 = findControl<FigurePlot>(window, "Picture1");
    QCOMPARE(picture1->accessibleName(), QStringLiteral("Figure of the Draws"));
    QVERIFY(picture1->focusPolicy() & Qt::TabFocus);
    QCOMPARE(window->centralWidget(), picture1);

    // A Draw of each technology in each period: the fixed proportions in the short period cannot
    // reach 3000 with a fixed Y of 2500, and mark nothing.
    auto *shortPeriod = findControl<QAction>(&form1, "mnushort");
    for (const bool inShortPeriod : { false, true }) {
        if (shortPeriod->isChecked() != inShortPeriod)
            shortPeriod->trigger();
        for (const char *option : { "Option1_1", "Option1_2", "Option1_3" }) {
            QTest::mouseClick(findControl<QRadioButton>(&form1, option), Qt::LeftButton);
            QTest::mouseClick(findControl<QPushButton>(&form1, "Command1"), Qt::LeftButton);
        }
    }
    QCOMPARE(window->figure().draws.size(), 6u);
    const QStringList rows = picture1->accessibleDescription().split(u'\n');
    QCOMPARE(rows.size(), 6);
    QVERIFY2(rows[0].startsWith(QLatin1String("1  Perfect substitutes (a 1, b 1), long run: 3000")),
             qPrintable(rows[0]));
    QVERIFY2(rows[4].endsWith(QStringLiteral("\u2192 impossible")), qPrintable(rows[4]));
    QCOMPARE(int(window->figure().draws[4].chosen.has_value()), 0);
    QTRY_VERIFY(pixelsOf(picture1->grab().toImage(), figureColours(Qt::white)[0]) > 100);

    // Hidden, it still follows: a Draw is in it when it shows again, and so is a Clear.
    window->close();
    QVERIFY(!window->isVisible());
    setText(&form1, "Text1", QStringLiteral("20000"));
    shortPeriod->trigger();
    QTest::mouseClick(findControl<QPushButton>(&form1, "Command1"), Qt::LeftButton);
    QCOMPARE(window->figure().draws.size(), 7u);
    const analysis::Point far = *window->figure().draws.back().chosen;
    QVERIFY(far.x > window->figure().axes.horizontal.max); // beyond the default 10000
    findControl<QAction>(window, "mnufit")->trigger();
    QVERIFY(far.x <= window->figure().axes.horizontal.max);
    findControl<QAction>(&form1, "mnufigure")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(picture1->accessibleDescription().count(u'\n'), 6);

    // Resized, the picture fills the window, its text grows, and it is painted again whole.
    const qreal textBefore = picture1->screenLook().textPixels;
    window->resize(1600, 1000);
    QTRY_COMPARE(picture1->size(), window->centralWidget()->size());
    QVERIFY(picture1->width() >= 1500);
    QVERIFY(picture1->screenLook().textPixels > textBefore);
    QTRY_VERIFY(pixelsOf(picture1->grab().toImage(), figureColours(Qt::white)[0]) > 200);

    // Exports: a PNG 1600 pixels across or more, an SVG and a PDF with the title and legend as
    // text, the SVG's lines within the plot.
    QPalette dark = picture1->palette();
    dark.setColor(QPalette::Base, QColor(0x242424));
    dark.setColor(QPalette::Text, Qt::white);
    picture1->setPalette(dark);
    QCOMPARE(picture1->grab().toImage().pixelColor(5, 5), QColor(0x242424));
    QTemporaryDir folder;
    const ChartPicture picture = window->figurePicture();
    QCOMPARE(picture.fileName, QStringLiteral("figure.png"));
    const QString png = folder.filePath(QStringLiteral("figure.png"));
    const QString svg = folder.filePath(QStringLiteral("figure.svg"));
    const QString pdf = folder.filePath(QStringLiteral("figure.pdf"));
    QCOMPARE(exportChart(picture, png, ChartFormat::Png), QString());
    QCOMPARE(exportChart(picture, svg, ChartFormat::Svg), QString());
    QCOMPARE(exportChart(picture, pdf, ChartFormat::Pdf), QString());
    QVERIFY(QImage(png).width() >= 1600);
    QCOMPARE(QImage(png).pixelColor(5, 5), QColor(Qt::white));
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QByteArray drawing = svgFile.readAll();
    QVERIFY(drawing.contains("<title>Figure of the Draws</title>"));
    QVERIFY(drawing.contains(">7  Cobb-Douglas (a .7, b .3), long run: 20000"));
    QCOMPARE(svgCurvePointsOutsideGrid(drawing, QImage(png).width(), 1, 0.05), 0);
    QFile pdfFile(pdf);
    QVERIFY(pdfFile.open(QIODevice::ReadOnly) && pdfFile.read(5) == "%PDF-");

    // Copy: the same picture as an image on the clipboard.
    findControl<QAction>(window, "mnucopyfigure")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QImage(png).size());

    // Clear empties it at once.
    QTest::mouseClick(findControl<QPushButton>(&form1, "Command2"), Qt::LeftButton);
    QVERIFY(window->figure().draws.empty());
    QCOMPARE(picture1->accessibleDescription(),
             QStringLiteral("No Draw since the last Clear has written a result."));

    // Hidden, a Clear and as many new Draws as it held leave none of the old ones in it.
    QTest::mouseClick(findControl<QPushButton>(&form1, "Command1"), Qt::LeftButton);
    QCOMPARE(window->figure().draws.size(), 1u);
    window->close();
    QTest::mouseClick(findControl<QPushButton>(&form1, "Command2"), Qt::LeftButton);
    setText(&form1, "Text1", QStringLiteral("1234"));
    QTest::mouseClick(findControl<QPushButton>(&form1, "Command1"), Qt::LeftButton);
    QCOMPARE(window->figure().draws.size(), 1u);
    QVERIFY(QString::fromStdString(window->figure().draws[0].legend).contains(u"long run: 1234"));
}

// Every colour of the Draws keeps 3:1 contrast on white, a light grey window, and dark
// backgrounds; exports are dark on white whatever the desktop's palette.
void TestFigureWindow::coloursStandOutOnLightAndDarkBackgrounds()
{
    for (const QColor background :
         { QColor(Qt::white), QColor(0xf0f0f0), QColor(0xefefef), QColor(0x242424),
           QColor(0x353535), QColor(Qt::black), QColor(0x808080), QColor(0xd0d0d0) }) {
        const std::array<QColor, 8> colours = figureColours(background);
        for (std::size_t i = 0; i < colours.size(); ++i) {
            QVERIFY2(contrastRatio(colours[i], background) >= 3,
                     qPrintable(colours[i].name() + QStringLiteral(" on ") + background.name()));
            for (std::size_t j = 0; j < i; ++j)
                QVERIFY(colours[i] != colours[j]);
        }
    }
}

QTEST_MAIN(TestFigureWindow)
#include "tst_figurewindow.moc"
