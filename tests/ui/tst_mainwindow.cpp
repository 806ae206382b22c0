#include "analysis/technologies.h"
#include "ui/windows/curveswindow.h"
#include "ui/windows/generalparameterswindow.h"
#include "ui/windows/isoquantparameterswindow.h"
#include "ui/windows/mainwindow.h"
#include "ui/chart/plotsurface.h"
#include "ui/results/resultsview.h"
#include "uitest.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

/// Receives the addresses the help commands ask the desktop to open.
class UrlSink : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void captionsAndDesignNames_data();
    void captionsAndDesignNames();
    void tabOrder();
    void enterInABoxDraws_data();
    void enterInABoxDraws();
    void longRunDraw_data();
    void longRunDraw();
    void shortPeriodDraw_data();
    void shortPeriodDraw();
    void decimalSeparatorOfTheRegionalSettings();
    void accumulationAndClear();
    void clearOnAnEmptyChartChangesNothing();
    void faultKeepsWhatWasWritten();
    void anyTextInAnyBox_data();
    void anyTextInAnyBox();
    void resultListKeepsTheCaptionExactly_data();
    void resultListKeepsTheCaptionExactly();
    void resultListScrollsToTheNewestLineAndCopies();
    void shortPeriodToggleTwiceReturnsToStart();
    void helpCommandsOpenTheShippedPages();
    void aboutBoxLeavesEverythingAsItWas();
    void captionsFitTheirBoxes();
    void exitClosesEveryWindow();

private:
    template<class T>
    T *control(const char *name) const
    {
        return findControl<T>(form1.get(), name);
    }
    void draw() const { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); }
    void choose(int technology) const
    {
        QTest::mouseClick(
                control<QRadioButton>(qPrintable(QStringLiteral("Option1_%1").arg(technology))),
                Qt::LeftButton);
    }
    QString caption(const char *label) const { return control<QLabel>(label)->text(); }
    QImage chart() const { return control<PlotSurface>("Picture1")->image(); }
    QString results() const { return resultsCaption(control<QPlainTextEdit>("Label4")); }
    QAction *action(const char *name) const { return control<QAction>(name); }
    /// What a user sees of the inputs and results, to compare before and after a command.
    QStringList visibleState() const;

    std::unique_ptr<MainWindow> form1;
};

void TestMainWindow::init()
{
    QLocale::setDefault(QLocale::c());
    form1 = std::make_unique<MainWindow>();
    form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
}

void TestMainWindow::cleanup()
{
    form1.reset();
}

QStringList TestMainWindow::visibleState() const
{
    QStringList state;
    for (const char *text : { "Text1", "Text2", "Text3", "Text4" })
        state << control<QLineEdit>(text)->text();
    for (const char *label : { "Label5", "Label6", "Label8" })
        state << caption(label) << QString::number(control<QLabel>(label)->isVisible());
    state << results() << QString::number(action("mnushort")->isChecked());
    for (const analysis::TechnologyEntry &technology : analysis::technologies())
        state << QString::number(
                control<QRadioButton>(
                        qPrintable(QStringLiteral("Option1_%1").arg(int(technology.type))))
                        ->isChecked());
    return state;
}

void TestMainWindow::startState()
{
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("3000"));
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("6"));
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("10"));
    QCOMPARE(control<QLineEdit>("Text4")->text(), QStringLiteral("2500"));
    QVERIFY(control<QRadioButton>("Option1_3")->isChecked());
    QCOMPARE(form1->findChild<QGroupBox *>("Frame1")->findChildren<QRadioButton *>().size(),
             qsizetype(analysis::technologies().size()));
    QVERIFY(!action("mnushort")->isChecked());
    QVERIFY(action("mnushort")->isCheckable());
    QVERIFY(!control<QLabel>("Label7")->isVisible());
    QVERIFY(!control<QLineEdit>("Text4")->isVisible());
    QVERIFY(!control<QLabel>("Label5")->isVisible());
    QVERIFY(caption("Label6").isEmpty());
    QVERIFY(caption("Label8").isEmpty());
    QVERIFY(results().isEmpty());
    QVERIFY(blank(chart()));
    QVERIFY(!form1->isoquantParameters()->isVisible());
    QVERIFY(!form1->generalParameters()->isVisible());
    QVERIFY(!form1->findChild<CurvesWindow *>()); // made at first use
    QVERIFY(control<PlotSurface>("Picture1")->retainsDrawing());
    QVERIFY(!form1->windowIcon().isNull());
    QCOMPARE(form1->centralWidget()->size(), QSize(640, 414));
}

void TestMainWindow::captionsAndDesignNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const QList<std::pair<const char *, const char *>> captions = {
        { "Form1", "Elements of the neoclassical theory of production" },
        { "Label1", "Level of production" },
        { "Label2", "Price of input X" },
        { "Label3", "Price of input Y" },
        { "Label7", "Fixed level of input Y" },
        { "Command1", "Draw" },
        { "Command2", "Clear" },
        { "Frame1", "Isoquants" },
        { "Option1_1", "Perfect substitutes" },
        { "Option1_2", "Fixed proportions" },
        { "Option1_3", "Cobb-Douglas" },
        { "Label10", "Y" },
        { "Label9", "X" },
        { "Label5",
          "The technology which minimalizes the costs requires the inputs X and Y in these "
          "quantities:" },
        { "mnufile", "&File" },
        { "mnuexit", "E&xit" },
        { "mnuparametres", "&Parametres" },
        { "mnugenparam", "&General" },
        { "mnupreferences", "&Isoquants" },
        { "mnuderived", "&Issues" },
        { "mnushort", "&Short-period fixed quantity of Y" },
        { "mnuhelp", "&Help" },
        { "mnuhow", "&How to use this software" },
        { "mnuglossary", "&Glossary" },
        { "mnuabout", "&About..." },
    };
    for (const auto &[name, text] : captions)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text);
}

void TestMainWindow::captionsAndDesignNames()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QObject *object = form1->objectName() == name ? form1.get() : form1->findChild<QObject *>(name);
    QVERIFY2(object, qPrintable(name));
    QString shown;
    if (auto *menu = qobject_cast<QMenu *>(object))
        shown = menu->title();
    else if (auto *window = qobject_cast<QWidget *>(object); window && window->isWindow())
        shown = window->windowTitle();
    else if (auto *label = qobject_cast<QLabel *>(object))
        shown = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(object))
        shown = button->text();
    else if (auto *box = qobject_cast<QGroupBox *>(object))
        shown = box->title();
    else if (auto *item = qobject_cast<QAction *>(object))
        shown = item->text();
    QCOMPARE(shown, text);
}

void TestMainWindow::tabOrder()
{
    QApplication::setActiveWindow(form1.get());
    QVERIFY(QTest::qWaitForWindowActive(form1.get()));
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("Text1"));

    const auto tabThrough = [this](int steps) {
        QStringList order{ QApplication::focusWidget()->objectName() };
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        return order;
    };
    QCOMPARE(tabThrough(8),
             (QStringList{ "Text1", "Text2", "Text3", "Picture1", "Command1", "Command2",
                           "Option1_3", "Label4", "Text1" }));

    // The group is one stop, entered at the selected technology; Text4 follows the price of Y
    // when shown.
    choose(1);
    action("mnushort")->trigger();
    control<QLineEdit>("Text1")->setFocus();
    QCOMPARE(tabThrough(9),
             (QStringList{ "Text1", "Text2", "Text3", "Text4", "Picture1", "Command1", "Command2",
                           "Option1_1", "Label4", "Text1" }));
}

void TestMainWindow::enterInABoxDraws_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    for (const char *box : { "Text1", "Text2", "Text3", "Text4" }) {
        QTest::addRow("%s, Return", box) << box << int(Qt::Key_Return);
        QTest::addRow("%s, keypad Enter", box) << box << int(Qt::Key_Enter);
    }
}

// Enter in a box presses Draw, as a default button does, and the keyboard stays in the box.
void TestMainWindow::enterInABoxDraws()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    action("mnushort")->trigger(); // Text4 shown
    QApplication::setActiveWindow(form1.get());
    auto *text = control<QLineEdit>(qPrintable(box));
    text->setFocus();
    for (int draws = 1; draws <= 2; ++draws) {
        QTest::keyClick(text, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(results().count(u'\r'), draws);
    }
    QCOMPARE(QApplication::focusWidget(), text);
    QVERIFY(!blank(chart()));
}

void TestMainWindow::longRunDraw_data()
{
    QTest::addColumn<int>("technology");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("averageCost");
    QTest::addColumn<QList<QPointF>>("inked");
    QTest::addColumn<QList<QPointF>>("clear");

    QTest::newRow("perfect substitutes")
            << 1 << " X = 3000. Y = 0. at price of X=6 and of Y =10. Cost = 18000.\r"
            << "6."
            // isocost line (3, 0)-(0, 1.8); no isoquant
            << QList<QPointF>{ { 1.5, 0.9 }, { 0.5, 1.5 } }
            << QList<QPointF>{ { 5, 5 }, { 2, 2 }, { 1.5, 3 } };
    QTest::newRow("fixed proportions")
            << 2 << " X = 3000. Y = 3000. at price of X=6 and of Y =10. Cost = 48000.\r"
            << "16."
            // arms from (3, 3) up and right; isocost line (8, 0)-(0, 4.8)
            << QList<QPointF>{ { 3, 6 }, { 3, 9.5 }, { 6, 3 }, { 9.5, 3 }, { 4, 2.4 }, { 6, 1.2 } }
            << QList<QPointF>{ { 6, 6 }, { 2, 2 }, { 1.5, 5 }, { 9, 1 } };
    QTest::newRow("Cobb-Douglas")
            << 3 << " X = 4511. Y = 1158.16 at price of X=6 and of Y =10. Cost = 38647.57\r"
            << "12.88"
            // dotted isoquant from x = 1.79 on, cheapest point (4.511, 1.158); isocost (6.44,
            // 0)-(0, 3.86)
            << QList<QPointF>{ { 2.5, 4.5918 },
                               { 4.511, 1.158 },
                               { 8, 0.3042 },
                               { 3.22, 1.932 },
                               { 1, 3.265 } }
            << QList<QPointF>{ { 1, 1 }, { 1.2, 9 }, { 6, 6 }, { 5, 3 }, { 7.5, 0.15 } };
}

void TestMainWindow::longRunDraw()
{
    QFETCH(int, technology);
    QFETCH(QString, line);
    QFETCH(QString, averageCost);
    QFETCH(QList<QPointF>, inked);
    QFETCH(QList<QPointF>, clear);

    choose(technology);
    draw();
    QCOMPARE(results(), line);
    QCOMPARE(caption("Label6"), QStringLiteral("The slope of the isocost line is :  - 0.6"));
    QCOMPARE(caption("Label8"),
             QStringLiteral("The average cost of production is : ") + averageCost);
    QVERIFY(control<QLabel>("Label5")->isVisible());
    QCOMPARE(caption("Label5"),
             QStringLiteral("The technology which minimalizes the costs requires the inputs X and "
                            "Y in these quantities:"));
    QCOMPARE(form1->technologyType, technology);

    const QImage image = chart();
    for (const QPointF &p : inked)
        QVERIFY2(inkNear(image, p.x(), p.y()),
                 qPrintable(QStringLiteral("no ink at %1,%2").arg(p.x()).arg(p.y())));
    for (const QPointF &p : clear)
        QVERIFY2(!inkNear(image, p.x(), p.y(), 2),
                 qPrintable(QStringLiteral("ink at %1,%2").arg(p.x()).arg(p.y())));

    // Only perfect substitutes mark their choice with the wide dot, at the X corner (3, 0).
    const QPoint corner = chartPixel(image, 3, 0)
            + QPoint(qRound(2.5 * image.devicePixelRatio()), -qRound(2 * image.devicePixelRatio()));
    QCOMPARE(inkAround(image, corner, 0), technology == 1);
}

void TestMainWindow::shortPeriodDraw_data()
{
    QTest::addColumn<int>("technology");
    QTest::addColumn<QString>("fixedY");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("averageCost"); // empty: not written
    QTest::addColumn<QPointF>("point"); // (-1, -1): nothing drawn

    QTest::newRow("Cobb-Douglas")
            << 3 << "2500"
            << " X = 3243.81 Y = 2500. at price of X=6 and of Y =10. Cost = 44462.89\r"
            << "14.82" << QPointF(3.2438, 2.5);
    QTest::newRow("perfect substitutes")
            << 1 << "2500"
            << " X = 500. Y = 2500. at price of X=6 and of Y =10. Cost = 28000.\r"
            << "9.33" << QPointF(0.5, 2.5);
    QTest::newRow("fixed proportions, impossible") << 2 << "2500"
                                                   << "Obtaining such a production is impossible.\r"
                                                   << "" << QPointF(-1, -1);
    QTest::newRow("fixed proportions, feasible")
            << 2 << "3000"
            << " X = 3000. Y = 3000. at price of X=6 and of Y =10. Cost = 48000.\r"
            << "16." << QPointF(3, 3);
}

void TestMainWindow::shortPeriodDraw()
{
    QFETCH(int, technology);
    QFETCH(QString, fixedY);
    QFETCH(QString, line);
    QFETCH(QString, averageCost);
    QFETCH(QPointF, point);

    action("mnushort")->trigger();
    choose(technology);
    QLineEdit *text4 = control<QLineEdit>("Text4");
    text4->selectAll();
    QTest::keyClicks(text4, fixedY);
    draw();

    QCOMPARE(results(), line);
    QCOMPARE(caption("Label5"),
             QStringLiteral("Given the fixed level of Y, the technology which minimalizes the "
                            "costs requires:"));
    const bool drawn = point.x() >= 0;
    QCOMPARE(control<QLabel>("Label5")->isVisible(), drawn);
    QCOMPARE(caption("Label8"),
             averageCost.isEmpty()
                     ? QString()
                     : QStringLiteral("The average cost of production is : ") + averageCost);
    const QImage image = chart();
    if (drawn) {
        // a dot 4 pixels wide on the point, and nothing else
        QVERIFY(inkNear(image, point.x(), point.y(), 0));
        QVERIFY(inkAround(image,
                          chartPixel(image, point.x(), point.y())
                                  + QPoint(qRound(image.devicePixelRatio()), 0),
                          0));
        QVERIFY(!inkNear(image, point.x() + 0.5, point.y(), 2));
    } else {
        QVERIFY(blank(image));
    }
}

void TestMainWindow::decimalSeparatorOfTheRegionalSettings()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    draw();
    QCOMPARE(results(),
             QStringLiteral(
                     " X = 4511, Y = 1158,16 at price of X=6 and of Y =10. Cost = 38647,57\r"));
    QCOMPARE(caption("Label6"), QStringLiteral("The slope of the isocost line is :  - 0,6"));
}

void TestMainWindow::accumulationAndClear()
{
    draw();
    choose(2);
    draw();
    choose(1);
    action("mnushort")->trigger();
    draw();
    QCOMPARE(results(),
             QStringLiteral(" X = 4511. Y = 1158.16 at price of X=6 and of Y =10. Cost = 38647.57\r"
                            " X = 3000. Y = 3000. at price of X=6 and of Y =10. Cost = 48000.\r"
                            " X = 500. Y = 2500. at price of X=6 and of Y =10. Cost = 28000.\r"));
    // The list shows one line per result, exactly as written.
    QCOMPARE(control<QPlainTextEdit>("Label4")->toPlainText(),
             QStringLiteral(" X = 4511. Y = 1158.16 at price of X=6 and of Y =10. Cost = 38647.57\n"
                            " X = 3000. Y = 3000. at price of X=6 and of Y =10. Cost = 48000.\n"
                            " X = 500. Y = 2500. at price of X=6 and of Y =10. Cost = 28000."));
    QImage image = chart();
    QVERIFY(inkNear(image, 4.511, 1.158)); // first Draw's curve
    QVERIFY(inkNear(image, 3, 6)); // second Draw's L
    QVERIFY(inkNear(image, 0.5, 2.5)); // third Draw's point

    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    QVERIFY(results().isEmpty());
    QCOMPARE(control<QPlainTextEdit>("Label4")->toPlainText(), QString());
    QVERIFY(caption("Label6").isEmpty());
    QVERIFY(caption("Label8").isEmpty());
    QVERIFY(!control<QLabel>("Label5")->isVisible());
    QVERIFY(!caption("Label5").isEmpty()); // hidden, caption kept
    QVERIFY(blank(chart()));
    // Clear leaves the inputs, the technology and the short-period flag.
    QVERIFY(action("mnushort")->isChecked());
    QVERIFY(control<QRadioButton>("Option1_1")->isChecked());
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("3000"));
    // The axes are layout: the chart as shown still has them.
    const QImage shown = control<PlotSurface>("Picture1")->grab().toImage();
    QVERIFY(inkAround(shown, QPoint(0, shown.height() / 2), 0));
    QVERIFY(inkAround(shown, QPoint(shown.width() / 2, shown.height() - 1), 1));
}

void TestMainWindow::clearOnAnEmptyChartChangesNothing()
{
    const QStringList before = visibleState();
    const QImage shown = control<PlotSurface>("Picture1")->grab().toImage();
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(visibleState(), before);
    QCOMPARE(control<PlotSurface>("Picture1")->grab().toImage(), shown);
}

void TestMainWindow::faultKeepsWhatWasWritten()
{
    // A zero coefficient of X ends a perfect-substitutes Draw at its first division: the
    // heading's caption was set, the heading stays hidden, and nothing else happened.
    choose(1);
    form1->isoquantParameters()->findChild<QLineEdit *>("Text1")->setText(QStringLiteral("0"));
    draw();
    QCOMPARE(caption("Label5"),
             QStringLiteral("The technology which minimalizes the costs requires the inputs X and "
                            "Y in these quantities:"));
    QVERIFY(!control<QLabel>("Label5")->isVisible());
    QVERIFY(results().isEmpty());
    QVERIFY(blank(chart()));

    // A zero price of Y stops the Cobb-Douglas Draw after its curve.
    choose(3);
    control<QLineEdit>("Text3")->setText(QStringLiteral("0"));
    draw();
    QVERIFY(inkNear(chart(), 4.511, 1.158));
    QVERIFY(results().isEmpty());
}

void TestMainWindow::anyTextInAnyBox_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : { "", "abc", "-3000", "1e308", "1e-308", "&HFFFF", "2,5", "   7  ",
                              "<b>9</b>", "0", "99999999999999999999" })
        QTest::newRow(text) << QString::fromLatin1(text);
}

void TestMainWindow::anyTextInAnyBox()
{
    QFETCH(QString, text);
    // Every box, every technology, both periods: the program answers and stays usable.
    IsoquantParametersWindow *form4 = form1->isoquantParameters();
    for (const char *box : { "Text1", "Text2", "Text3", "Text4" }) {
        for (bool shortPeriod : { false, true }) {
            if (action("mnushort")->isChecked() != shortPeriod)
                action("mnushort")->trigger();
            for (int technology = 1; technology <= 3; ++technology) {
                choose(technology);
                control<QLineEdit>(box)->setText(text);
                draw();
                QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
                form4->findChild<QLineEdit *>(box)->setText(text);
                draw();
                form4->findChild<QLineEdit *>(box)->setText(QStringLiteral("1"));
            }
        }
        control<QLineEdit>(box)->setText(QStringLiteral("10"));
    }
    QVERIFY(results().size() < 100000);
    QVERIFY(!results().contains(QChar::ReplacementCharacter));
    QCOMPARE(chart().size(), QSize(133, 133) * chart().devicePixelRatio());
}

void TestMainWindow::resultListKeepsTheCaptionExactly_data()
{
    QTest::addColumn<QStringList>("pieces"); // appended in turn
    QTest::addColumn<QString>("shown");
    QTest::newRow("nothing") << QStringList() << QString();
    QTest::newRow("two lines") << QStringList{ "a\r", "b\r" } << "a\nb";
    QTest::newRow("a line in pieces") << QStringList{ "a", "b\r", "c" } << "ab\nc";
    QTest::newRow("a return alone") << QStringList{ "a", "\r", "b\r" } << "a\nb";
    QTest::newRow("an empty line") << QStringList{ "a\r\r", "b\r" } << "a\n\nb";
    QTest::newRow("returns only") << QStringList{ "\r\r" } << "\n";
}

// Each carriage return ends a line of the list, the last one adding no empty line, and the
// caption comes back exactly as it was appended.
void TestMainWindow::resultListKeepsTheCaptionExactly()
{
    QFETCH(QStringList, pieces);
    QFETCH(QString, shown);
    std::unique_ptr<QPlainTextEdit> list(makeResultsView(QStringLiteral("list"), nullptr));
    for (const QString &piece : pieces)
        appendToResults(list.get(), piece);
    QCOMPARE(list->toPlainText(), shown);
    QCOMPARE(resultsCaption(list.get()), pieces.join(QString()));
    setResults(list.get(), pieces.join(QString()));
    QCOMPARE(list->toPlainText(), shown);
}

void TestMainWindow::resultListScrollsToTheNewestLineAndCopies()
{
    auto *label4 = control<QPlainTextEdit>("Label4");
    for (int i = 0; i < 40; ++i)
        draw();
    QCOMPARE(results().count(u'\r'), 40);
    QCOMPARE(label4->blockCount(), 40); // the last carriage return adds no empty line
    QScrollBar *scroll = label4->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    QCOMPARE(scroll->value(), scroll->maximum());
    const QRect newest = label4->cursorRect(QTextCursor(label4->document()->lastBlock()));
    QVERIFY(label4->viewport()->rect().contains(newest));

    // A tie writes its line in two pieces: they make one line.
    control<QLineEdit>("Text3")->setText(QStringLiteral("6"));
    choose(1);
    draw();
    QCOMPARE(label4->blockCount(), 41);
    QCOMPARE(label4->document()->lastBlock().text(),
             QStringLiteral(" One of the many optimum points is  X = 0. Y = 3000. at price of X=6 "
                            "and of Y =6. Cost = 18000."));
    QCOMPARE(scroll->value(), scroll->maximum());

    // The keyboard selects, as the mouse does, and copies.
    label4->setFocus();
    QTest::keyClick(label4, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(label4, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(
            label4->textCursor().selectedText(),
            QStringLiteral(" X = 4511. Y = 1158.16 at price of X=6 and of Y =10. Cost = 38647.57"));
    QTest::keyClick(label4, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(label4, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text().count(u'\n'), 40);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral(" X = 4511.")));
}

void TestMainWindow::shortPeriodToggleTwiceReturnsToStart()
{
    const QStringList start = visibleState();
    QAction *mnushort = action("mnushort");
    mnushort->trigger();
    QVERIFY(mnushort->isChecked());
    QVERIFY(control<QLabel>("Label7")->isVisible());
    QVERIFY(control<QLineEdit>("Text4")->isVisible());
    QLineEdit *text4 = control<QLineEdit>("Text4");
    text4->selectAll();
    QTest::keyClicks(text4, QStringLiteral("4000"));

    mnushort->trigger();
    QVERIFY(!mnushort->isChecked());
    QVERIFY(!control<QLabel>("Label7")->isVisible());
    QVERIFY(!text4->isVisible());
    QStringList expected = start;
    expected[3] = QStringLiteral("4000");
    QCOMPARE(visibleState(), expected);
    mnushort->trigger();
    QCOMPARE(text4->text(), QStringLiteral("4000"));
}

void TestMainWindow::helpCommandsOpenTheShippedPages()
{
    draw();
    const QStringList before = visibleState();
    const QImage chartBefore = chart();
    UrlSink sink;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &sink, "open");
    action("mnuhow")->trigger();
    action("mnuglossary")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    QCOMPARE(sink.opened.size(), 2);
    QVERIFY(sink.opened[0].toLocalFile().endsWith(
            QStringLiteral("/share/production-lab/help/software/tolvane.htm")));
    QVERIFY(sink.opened[1].toLocalFile().endsWith(
            QStringLiteral("/share/production-lab/help/concepts.htm")));
    for (const QUrl &url : sink.opened)
        QVERIFY2(QFileInfo(url.toLocalFile()).isFile(), qPrintable(url.toString()));
    QCOMPARE(visibleState(), before);
    QCOMPARE(chart(), chartBefore);
}

void TestMainWindow::aboutBoxLeavesEverythingAsItWas()
{
    draw();
    const QStringList before = visibleState();
    const QImage chartBefore = chart();
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    qsizetype buttons = 0;
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        modal = box->isModal();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    action("mnuabout")->trigger();

    QCOMPARE(title, QStringLiteral("Production Lab"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QVERIFY(modal);
    QVERIFY(text.contains(QStringLiteral("neoclassical theory of production")));
    QVERIFY(text.contains(QStringLiteral("microeconomics")));
    QVERIFY(text.contains(QStringLiteral(PRODUCTION_LAB_VERSION)));
    QCOMPARE(visibleState(), before);
    QCOMPARE(chart(), chartBefore);
}

void TestMainWindow::captionsFitTheirBoxes()
{
    // Whatever the system's font, no caption is cut: after a Draw of each kind, every label's
    // text fits its box and every option button shows its whole caption.
    IsoquantParametersWindow *form4 = form1->isoquantParameters();
    GeneralParametersWindow *form5 = form1->generalParameters();
    const auto check = [](QWidget *window) {
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (label->text().isEmpty() || label->objectName().isEmpty())
                continue;
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->objectName()));
        }
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            const int textWidth = button->fontMetrics().horizontalAdvance(button->text());
            const int room = qobject_cast<QRadioButton *>(button) ? button->sizeHint().width()
                                                                  : textWidth + 8;
            QVERIFY2(room <= button->width(), qPrintable(button->objectName()));
        }
    };
    for (bool shortPeriod : { false, true }) {
        if (shortPeriod)
            action("mnushort")->trigger();
        for (int technology = 1; technology <= 3; ++technology) {
            choose(technology);
            draw();
            check(form1.get());
        }
    }
    check(form4);
    check(form5);
}

void TestMainWindow::exitClosesEveryWindow()
{
    action("mnupreferences")->trigger();
    action("mnugenparam")->trigger();
    action("mnucostcurves")->trigger();
    QVERIFY(form1->isoquantParameters()->isVisible());
    // The other windows shown do not keep the program running, and end with the main window.
    QTimer::singleShot(0, action("mnuexit"), &QAction::trigger);
    QTimer runningOn;
    runningOn.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
    runningOn.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    runningOn.stop();
    QVERIFY(!form1->isVisible());
    const QList<QPointer<QWidget>> others{ form1->isoquantParameters(), form1->generalParameters(),
                                           form1->costCurves() };
    form1.reset();
    for (const QPointer<QWidget> &window : others)
        QVERIFY(window.isNull());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
