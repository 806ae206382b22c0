#include "uitest.h"

#include "ui/windows/curveswindow.h"
#include "ui/windows/drawmessage.h"
#include "ui/windows/figurewindow.h"
#include "ui/windows/generalparameterswindow.h"
#include "ui/windows/isoquantparameterswindow.h"
#include "ui/windows/mainwindow.h"
#include "ui/chart/plotsurface.h"
#include "ui/results/resultsview.h"
#include "ui/windows/viewsettings.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <QtWidgets>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <map>
#include <memory>

// The status line, the names screen readers hear, and the main window used by keyboard alone
// and with a dark palette.
class TestStatusLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saysWhatHappened_data();
    void saysWhatHappened();
    void wholeMessageAtEveryZoom_data();
    void wholeMessageAtEveryZoom();
    void wordsEachCaseInWhole_data();
    void wordsEachCaseInWhole();
    void everyInteractiveElementHasARoleAndAName_data();
    void everyInteractiveElementHasARoleAndAName();
    void keyboardAlone();
    void darkPaletteKeepsTheContrast();

private:
    template<class T>
    T *control(const char *name) const
    {
        return findControl<T>(form1.get(), name);
    }
    void type(const char *box, const QString &text) const
    {
        control<QLineEdit>(box)->setText(text);
    }
    void click(const char *button) const
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    QString status() const { return control<QLabel>("StatusMessage")->text(); }

    std::unique_ptr<MainWindow> form1;
};

void TestStatusLine::init()
{
    QLocale::setDefault(QLocale::c());
    form1 = std::make_unique<MainWindow>();
    form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
}

void TestStatusLine::cleanup()
{
    form1.reset();
    QApplication::setPalette(QApplication::style()->standardPalette());
}

void TestStatusLine::saysWhatHappened_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("boxes"); // box name, text, box name, text, ...
    QTest::addColumn<QStringList>("expected"); // pieces the message holds, in order
    QTest::addColumn<QString>("described"); // a piece of the chart's description

    QTest::newRow("completed")
            << "C" << QStringList{}
            << QStringList{ "Cobb-Douglas, long run", "X = 4511 and Y = 1158.16" }
            << "2 Draws since the last Clear. The latest chosen point is X = 4511, Y = 1158.16, "
               "which produces 3000 at a cost of 38647.57. The slope of its isocost line is -0.6. "
               "The average cost is 12.88.";
    QTest::newRow("price of Y 0, old texts stay")
            << "C" << QStringList{ "Text3", "0" }
            << QStringList{ "Stopped: the price of Y is 0, but the program needs prices above 0.",
                            "The slope and the average cost shown are from an earlier Draw." }
            << "X = 4511";
    QTest::newRow("level beyond the scan")
            << "C" << QStringList{ "Text1", "20000" }
            << QStringList{ "X = 30059.22 and Y = 7729.51",
                            "exact: it lies beyond the drawn part of the isoquant",
                            "lies outside the chart" }
            << "X = 30059.22";
    QTest::newRow("text too large")
            << "C" << QStringList{ "Text2", "1e999" }
            << QStringList{ "the price of X, \"1e999\", is too large" } << "X = 4511";
    QTest::newRow("read in part, German settings")
            << "de_DE" << QStringList{ "Text2", "2,5" }
            << QStringList{ "Only the start of the price of X, \"2,5\", was read: it counts as 2.",
                            "Numbers are typed with a point" }
            << "X = 6271";
}

// Each message is announced to screen readers as it is set (a notification shown again), also
// Clear's; the chart's description says what it shows.
void TestStatusLine::saysWhatHappened()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, expected);
    QFETCH(QString, described);
    QLocale::setDefault(QLocale(locale));
    static QList<std::pair<QObject *, QAccessible::Event>> heard;
    heard.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        heard.append({ event->object(), event->type() });
    });
    // As a screen reader would: the platform's accessibility switched on.
    QPlatformAccessibility *platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    auto *message = control<QLabel>("StatusMessage");
    const auto announced = [&] {
        QAccessibleInterface *notification = QAccessible::queryAccessibleInterface(message);
        const bool shown = heard.contains({ message, QAccessible::ObjectShow });
        heard.clear();
        return shown && notification->role() == QAccessible::Notification
                && notification->text(QAccessible::Name) == status().remove(QChar(0x200b));
    };
    click("Command1"); // an earlier Draw, whose texts a stopped Draw leaves
    QVERIFY(announced());
    for (qsizetype i = 0; i + 1 < boxes.size(); i += 2)
        type(qPrintable(boxes[i]), boxes[i + 1]);
    click("Command1");
    QVERIFY(announced());

    qsizetype from = 0;
    for (const QString &piece : expected) {
        const qsizetype at = status().indexOf(piece, from);
        QVERIFY2(at >= 0,
                 qPrintable(QStringLiteral("\"%1\" not in order in: %2").arg(piece, status())));
        from = at + piece.size();
    }
    auto *chart = control<PlotSurface>("Picture1");
    QVERIFY2(chart->accessibleDescription().contains(described),
             qPrintable(chart->accessibleDescription()));

    click("Command2");
    QCOMPARE(status(), QStringLiteral("The chart and the results are cleared."));
    QVERIFY(announced());
    QCOMPARE(chart->accessibleDescription(), QStringLiteral("The chart is empty."));
    platform->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
}

void TestStatusLine::wholeMessageAtEveryZoom_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("priceX");
    QTest::addColumn<bool>("scrolls");
    // Three warnings: two boxes read in part, and a level beyond the scan.
    QTest::newRow("three warnings") << "20000"
                                    << "6 apples" << false;
    // A box holding a word longer than the line, in a message longer than the line's room.
    QTest::newRow("a very long text") << QString(3000, u'9') << "6" << true;
}

// The message is never cut, whatever its length and the zoom, set before or after it: the line
// grows with the window, and past its room the message scrolls; a word longer than a line wraps.
void TestStatusLine::wholeMessageAtEveryZoom()
{
    QFETCH(QString, level);
    QFETCH(QString, priceX);
    QFETCH(bool, scrolls);
    auto *message = control<QLabel>("StatusMessage");
    auto *scroller = control<QScrollArea>("StatusScroll");
    QList<int> threeLines;
    for (const int zoom : { 100, 400, 100 }) {
        form1->viewSettings()->setZoomPercent(zoom);
        threeLines << form1->statusBar()->height();
    }
    type("Text1", level);
    type("Text2", priceX);
    type("Text3", QStringLiteral("10 pears"));
    click("Command1");
    for (const int zoom : { 100, 400, 100 }) {
        form1->viewSettings()->setZoomPercent(zoom);
        QCoreApplication::processEvents();
        const QString at = QStringLiteral("at %1 %").arg(zoom);
        const QRect text = message->contentsRect();
        QVERIFY2(form1->statusBar()->height() > threeLines.takeFirst(), qPrintable(at));
        QVERIFY2(message->heightForWidth(message->width()) <= message->height(), qPrintable(at));
        QVERIFY2(message->fontMetrics()
                                 .boundingRect(QRect(0, 0, text.width(), 100000), Qt::TextWordWrap,
                                               message->text())
                                 .width()
                         <= text.width(),
                 qPrintable(at));
        QCOMPARE(scroller->verticalScrollBar()->isVisible(), scrolls);
        QCOMPARE(scroller->verticalScrollBar()->maximum(),
                 std::max(0, message->height() - scroller->viewport()->height()));
        // No more room than the message needs.
        QCOMPARE(scroller->viewport()->height(), scrolls ? scroller->height() : message->height());
        QVERIFY(form1->rect().contains(form1->statusBar()->geometry()));
    }
    // Heard whole, without break marks.
    QVERIFY(QAccessible::queryAccessibleInterface(message)
                    ->text(QAccessible::Name)
                    .contains(level));
}

void TestStatusLine::wordsEachCaseInWhole_data()
{
    using analysis::DrawInputs;
    using analysis::TechnologyType;
    QTest::addColumn<int>("technology");
    QTest::addColumn<bool>("shortPeriod");
    QTest::addColumn<QStringList>("texts"); // field, text, field, text, ...
    QTest::addColumn<QString>("expected");

    const int substitutes = int(TechnologyType::PerfectSubstitutes);
    const int cobbDouglas = int(TechnologyType::CobbDouglas);
    QTest::newRow("coefficient 0") << substitutes << false << QStringList{ "coefX", "0" }
                                   << "Stopped: the parameter a of perfect substitutes is 0, but "
                                      "it must be greater than 0.";
    QTest::newRow("negative exponent, short period")
            << cobbDouglas << true << QStringList{ "cdExpY", "-0.3" }
            << "Stopped: the exponent b of Cobb-Douglas is -0.3, but it must be greater than 0.";
    QTest::newRow("price of X 0") << substitutes << false << QStringList{ "priceX", "0" }
                                  << "Stopped: the price of X is 0, but the program needs prices "
                                     "above 0.";
    QTest::newRow("nothing read")
            << cobbDouglas << false << QStringList{ "level", "abc" }
            << "Stopped: the level of production is 0, so the average cost cannot be computed. "
               "Cobb-Douglas, long run: the cheapest way to produce 0 is X = 0 and Y = 0 at a "
               "cost of 0. Nothing of the level of production, \"abc\", reads as a number: it "
               "counts as 0.";
    QTest::newRow("exact below the scan")
            << cobbDouglas << false << QStringList{ "level", "2" }
            << "Cobb-Douglas, long run: the cheapest way to produce 2 is X = 3.01 and Y = 0.77 at "
               "a cost of 25.77. This combination is exact: it lies beyond the drawn part of the "
               "isoquant, whose scanned points run from X = 6 to X = 9991.";
    QTest::newRow("scanned point")
            << cobbDouglas << false << QStringList{}
            << "Cobb-Douglas, long run: to produce 3000, the cheapest of the "
               "points scanned on the isoquant is X = 4511 and Y = 1158.16 "
               "at a cost of 38647.57.";
    QTest::newRow("tie") << substitutes << false << QStringList{ "priceX", "5", "priceY", "5" }
                         << "Perfect substitutes, long run: the cheapest way to produce 3000 is X "
                            "= 0 and Y = 3000 at a cost of 15000. Both corners cost the same, so "
                            "every combination on the isoquant between them costs the same: the "
                            "result line shows one of them.";
}

// The whole message of a Draw, from the core's diagnostics.
void TestStatusLine::wordsEachCaseInWhole()
{
    QFETCH(int, technology);
    QFETCH(bool, shortPeriod);
    QFETCH(QStringList, texts);
    QFETCH(QString, expected);
    const std::map<QString, std::string analysis::DrawInputs::*> fields{
        { "level", &analysis::DrawInputs::level },   { "priceX", &analysis::DrawInputs::priceX },
        { "priceY", &analysis::DrawInputs::priceY }, { "coefX", &analysis::DrawInputs::coefX },
        { "cdExpY", &analysis::DrawInputs::cdExpY },
    };
    analysis::DrawInputs inputs;
    inputs.technology = analysis::TechnologyType(technology);
    inputs.shortPeriod = shortPeriod;
    for (qsizetype i = 0; i + 1 < texts.size(); i += 2)
        inputs.*fields.at(texts[i]) = texts[i + 1].toStdString();
    QCOMPARE(DrawMessage::status(analysis::draw(inputs), {}), expected);
}

void TestStatusLine::everyInteractiveElementHasARoleAndAName_data()
{
    QTest::addColumn<bool>("readerAtStartUp");
    QTest::newRow("screen reader started later") << false;
    // As with Orca running: Qt makes interfaces at the first events, while windows are built.
    QTest::newRow("screen reader running at start-up") << true;
}

// Every control has a name and a role other than "filler"; the charts, the message, the
// status bar, the text boxes and the dialog have the roles screen readers present them by.
void TestStatusLine::everyInteractiveElementHasARoleAndAName()
{
    QFETCH(bool, readerAtStartUp);
    QPlatformAccessibility *platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    if (readerAtStartUp) {
        form1.reset();
        platform->setActive(true);
        init();
    }
    static const QList<QAccessible::Role> controls{
        QAccessible::PushButton,   QAccessible::RadioButton, QAccessible::CheckBox,
        QAccessible::EditableText, QAccessible::MenuItem,    QAccessible::ComboBox,
        QAccessible::SpinBox,      QAccessible::Slider,      QAccessible::Link,
        QAccessible::Graphic
    };
    QStringList faults;
    QMap<QString, QAccessibleInterface *> byPath;
    const std::function<void(QAccessibleInterface *, const QString &)> walk =
            [&](QAccessibleInterface *node, const QString &path) {
                const QAccessible::State state = node->state();
                const QString here = path + u'/' + node->object()->objectName();
                byPath.insert(here, node);
                if ((state.focusable || controls.contains(node->role())) && !state.invisible
                    && (node->role() == QAccessible::NoRole || node->role() == QAccessible::Client
                        || node->text(QAccessible::Name).remove(u'&').trimmed().isEmpty()))
                    faults << here;
                for (int i = 0; i < node->childCount(); ++i)
                    walk(node->child(i), here);
            };
    click("Command1"); // so that the main chart has numbers to say
    const QList<QWidget *> windows{
        form1.get(),         form1->isoquantParameters(), form1->generalParameters(),
        form1->costCurves(), form1->inputDemand(),        form1->figure()
    };
    for (QWidget *window : windows) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        walk(QAccessible::queryAccessibleInterface(window), QString());
    }
    platform->setActive(false);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String(", "))));

    const QList<std::tuple<QWidget *, const char *, QAccessible::Role>> roles{
        { form1.get(), "Picture1", QAccessible::Graphic },
        { form1.get(), "StatusBar", QAccessible::StatusBar },
        { form1.get(), "StatusMessage", QAccessible::Notification },
        { form1.get(), "Text1", QAccessible::EditableText },
        { form1.get(), "Label4", QAccessible::EditableText },
        { form1->generalParameters(), "Form5", QAccessible::Dialog },
        { form1->costCurves(), "Picture1", QAccessible::Graphic },
        { form1->costCurves(), "Picture2", QAccessible::Graphic },
        { form1->inputDemand(), "Picture1", QAccessible::Graphic },
        { form1->inputDemand(), "Picture2", QAccessible::Graphic },
        { form1->figure(), "Picture1", QAccessible::Graphic },
    };
    for (const auto &[window, name, role] : roles) {
        QWidget *widget = window->objectName() == QLatin1String(name)
                ? window
                : findControl<QWidget>(window, name);
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(byPath.values().contains(node), name); // in the tree a screen reader walks
        QCOMPARE(node->role(), role);
        if (role == QAccessible::Graphic) // a chart takes the focus and says its numbers
            QVERIFY2(node->state().focusable
                             && node->text(QAccessible::Description)
                                        .contains(QRegularExpression(QStringLiteral("[0-9]"))),
                     name);
    }
}

void TestStatusLine::keyboardAlone()
{
    const auto key = [](int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(k), modifiers);
    };
    const auto focused = [] { return QApplication::focusWidget()->objectName(); };
    QApplication::setActiveWindow(form1.get());
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("Text1"));
    key(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2000"));
    for (int i = 0; i < 6; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Option1_3"));
    key(Qt::Key_Up); // Fixed proportions
    QVERIFY(control<QRadioButton>("Option1_2")->isChecked());
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), QStringLiteral("Command1"));
    key(Qt::Key_Space);
    QVERIFY(resultsCaption(control<QPlainTextEdit>("Label4"))
                    .startsWith(QStringLiteral(" X = 2000. Y = 2000.")));

    key(Qt::Key_I, Qt::AltModifier); // &Issues
    QTRY_VERIFY(QApplication::activePopupWidget());
    key(Qt::Key_S); // &Short-period fixed quantity of Y
    QVERIFY(control<QAction>("mnushort")->isChecked());
    QTRY_VERIFY(control<QLineEdit>("Text4")->isVisible());

    key(Qt::Key_P, Qt::AltModifier); // &Parametres
    QTRY_VERIFY(QApplication::activePopupWidget());
    key(Qt::Key_I); // &Isoquants
    QWidget *form4 = form1->isoquantParameters();
    QTRY_VERIFY(form4->isVisible());
    QApplication::setActiveWindow(form4);
    QTest::keyClick(form4, Qt::Key_A, Qt::AltModifier); // &Activate
    QTRY_VERIFY(!form4->isVisible());

    // Back in the main window (as its window manager would activate it), the keyboard is where
    // it was before the menus: on Draw.
    QApplication::setActiveWindow(form1.get());
    QTRY_COMPARE(QApplication::focusWidget(), control<QPushButton>("Command1"));
    key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Command2"));
    key(Qt::Key_Space); // Clear
    QCOMPARE(resultsCaption(control<QPlainTextEdit>("Label4")), QString());
}

void TestStatusLine::darkPaletteKeepsTheContrast()
{
    form1.reset();
    QPalette dark;
    for (const auto &[role, rgb] : { std::pair{ QPalette::Window, 0x202024 },
                                     { QPalette::WindowText, 0xe8e8e8 },
                                     { QPalette::Base, 0x18181a },
                                     { QPalette::Text, 0xf0f0f0 },
                                     { QPalette::Button, 0x303034 },
                                     { QPalette::ButtonText, 0xf0f0f0 } })
        dark.setColor(role, QColor::fromRgb(QRgb(rgb)));
    QApplication::setPalette(dark);
    init();
    type("Text3", QStringLiteral("0")); // a stop, so the status line shows too
    click("Command1");
    type("Text3", QStringLiteral("10"));
    click("Command1");

    const QImage drawing = control<PlotSurface>("Picture1")->image();
    QVERIFY(bestContrast(drawing, drawing.pixelColor(drawing.width() - 1, 0)) >= 3);
    const QColor window = form1->palette().color(QPalette::Window);
    for (const char *label : { "Label1", "Label4", "Label5", "Label6", "StatusMessage" })
        QVERIFY2(bestContrast(control<QWidget>(label)->grab().toImage(), window) >= 4.5, label);
}

QTEST_MAIN(TestStatusLine)
#include "tst_statusline.moc"
