#include "ui/accessibility.h"
#include "ui/chart/curveplot.h"
#include "ui/windows/curveswindow.h"
#include "ui/windows/generalparameterswindow.h"
#include "ui/windows/isoquantparameterswindow.h"
#include "ui/windows/mainwindow.h"
#include "uitest.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <QtWidgets>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

// The shared accessibility helpers of ui/ (text boxes read whole, charts as graphics, Escape),
// as the program's windows use them, and the curves' contrast and descriptions.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lineEditExposesItsWholeText_data();
    void lineEditExposesItsWholeText();
    void chartRoleGivenAfterTheFirstEvent();
    void escapeClosesTheWindow_data();
    void escapeClosesTheWindow();
    void resultsListCaretOnTheNewestLine();
    void curveChartsSayTheirNumbers_data();
    void curveChartsSayTheirNumbers();
    void curveColoursStandOut_data();
    void curveColoursStandOut();

private:
    std::unique_ptr<MainWindow> form1;
};

void TestAccessibility::init()
{
    QLocale::setDefault(QLocale::c());
    form1 = std::make_unique<MainWindow>();
    form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
}

void TestAccessibility::cleanup()
{
    form1.reset();
}

void TestAccessibility::lineEditExposesItsWholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("echo");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("3000") << "3000" << int(QLineEdit::Normal) << false;
    QTest::newRow("one character") << "6" << int(QLineEdit::Normal) << false;
    QTest::newRow("empty") << "" << int(QLineEdit::Normal) << false;
    QTest::newRow("read-only") << "10" << int(QLineEdit::Normal) << true;
    QTest::newRow("password") << "secret" << int(QLineEdit::Password) << false;
    QTest::newRow("no echo") << "secret" << int(QLineEdit::NoEcho) << false;
}

// One attribute run over the whole text (Orca reads a line by these runs), and everything else
// a line edit exposes: name from its label, value, text, caret, selection, editing; a password
// never leaks.
void TestAccessibility::lineEditExposesItsWholeText()
{
    QFETCH(QString, text);
    QFETCH(int, echo);
    QFETCH(bool, readOnly);
    auto *edit = findControl<QLineEdit>(form1.get(), "Text1");
    edit->setText(text);
    edit->setEchoMode(QLineEdit::EchoMode(echo));
    edit->setReadOnly(readOnly);
    const bool shown = echo == QLineEdit::Normal;
    const int n = int(text.size());

    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(edit);
    QAccessibleTextInterface *texts = box->textInterface();
    QVERIFY(texts && box->editableTextInterface());
    QCOMPARE(box->role(), QAccessible::EditableText);
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Level of production"));
    QCOMPARE(box->state().passwordEdit, !shown);
    QCOMPARE(box->state().readOnly, readOnly);
    for (int offset = 0; offset <= n; ++offset) {
        int start = -1, end = -1;
        texts->attributes(offset, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, n));
    }
    QCOMPARE(texts->characterCount(), n);
    const QString value = shown ? text : echo == QLineEdit::NoEcho ? QString() : QString(n, u'*');
    QCOMPARE(box->text(QAccessible::Value), value);
    QCOMPARE(texts->text(0, n), shown ? text : QString());
    int start = -1, end = -1;
    QCOMPARE(texts->textAtOffset(0, QAccessible::LineBoundary, &start, &end),
             shown ? text : QString());

    edit->setFocus();
    texts->setSelection(0, 1, n);
    QCOMPARE(edit->selectedText(), text.mid(1));
    texts->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(n > 1 ? 1 : 0, n > 1 ? n : 0));
    texts->setCursorPosition(n);
    QCOMPARE(texts->cursorPosition(), n);
    if (!edit->displayText().isEmpty()) { // the characters where the box shows them
        edit->repaint(); // scrolled to the caret
        const QRect first = texts->characterRect(0), last = texts->characterRect(n - 1);
        QVERIFY(first.left() < last.left() || n == 1);
        QVERIFY(QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()).contains(last.center()));
    }
    box->editableTextInterface()->replaceText(0, n, QStringLiteral("42"));
    QCOMPARE(edit->text(), readOnly ? text : QStringLiteral("42"));
}

// A chart given its role after a screen reader has already asked for it is exposed anew.
void TestAccessibility::chartRoleGivenAfterTheFirstEvent()
{
    QPlatformAccessibility *platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    QWidget chart;
    chart.setAccessibleName(QStringLiteral("A chart")); // Qt makes its interface here
    QCOMPARE(QAccessible::queryAccessibleInterface(&chart)->role(), QAccessible::Client);
    exposeAsChart(&chart);
    platform->setActive(false);
    QCOMPARE(QAccessible::queryAccessibleInterface(&chart)->role(), QAccessible::Graphic);
    QCOMPARE(chart.focusPolicy(), Qt::StrongFocus);
}

void TestAccessibility::escapeClosesTheWindow_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("window");
    QTest::newRow("Parametres of the isoquants") << "mnupreferences"
                                                 << "Form4";
    QTest::newRow("General parametres") << "mnugenparam"
                                        << "Form5";
    QTest::newRow("Cost curves") << "mnucostcurves"
                                 << "FormCostCurves";
    QTest::newRow("Input demand") << "mnuinputdemand"
                                  << "FormInputDemand";
    QTest::newRow("Engel curves") << "mnuengel"
                                  << "FormEngel";
    QTest::newRow("Price change") << "mnupriceeffects"
                                  << "FormPriceEffects";
}

// Escape closes a window from any of its controls, hidden only: it opens again as it was.
void TestAccessibility::escapeClosesTheWindow()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, window);
    for (int round = 0; round < 2; ++round) {
        findControl<QAction>(form1.get(), qPrintable(menuItem))->trigger();
        auto *shown = findControl<QWidget>(form1.get(), qPrintable(window));
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused && focused->window() == shown);
        QTest::keyClick(focused, Qt::Key_Escape);
        QTRY_VERIFY(!shown->isVisible());
        QVERIFY(form1->isVisible());
    }
}

// The list is in the Tab cycle with a caret that the arrow keys move line by line, on the
// newest line after every Draw, with no empty line after the last one.
void TestAccessibility::resultsListCaretOnTheNewestLine()
{
    auto *list = findControl<QPlainTextEdit>(form1.get(), "Label4");
    auto *draw = findControl<QPushButton>(form1.get(), "Command1");
    QVERIFY(list->focusPolicy() & Qt::TabFocus);
    for (int draws = 1; draws <= 3; ++draws) {
        list->moveCursor(QTextCursor::Start);
        QTest::mouseClick(draw, Qt::LeftButton);
        QCOMPARE(list->document()->blockCount(), draws);
        QCOMPARE(list->textCursor().blockNumber(), draws - 1);
    }
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->textCursor().blockNumber(), 1);
    QVERIFY(list->textCursor().block().text().contains(QLatin1String("X = 4511.")));
}

void TestAccessibility::curveChartsSayTheirNumbers_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("shortPeriod");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    // Cobb-Douglas X^.7 Y^.3, 3000 at prices 6 and 10: the cheapest combination is
    // X = 3000 (7/3 * 10/6)^.3 = 4508.88, Y = 3000 (3/7 * 6/10)^.7 = 1159.43, cost 38647.56,
    // 12.88 per unit; with Y fixed at 2500, X = (3000 / 2500^.3)^(1/.7) = 3243.81, cost 44462.89.
    QTest::newRow("total cost")
            << "FormCostCurves" << false << "Picture1"
            << "Total cost"
            << "Total cost at Level of production 3000: Long-run total 38647.56.";
    QTest::newRow("cost per unit")
            << "FormCostCurves" << false << "Picture2"
            << "Cost per unit of output"
            << "Cost per unit of output at Level of production 3000: Long-run average 12.88; "
               "Long-run marginal 12.88.";
    QTest::newRow("total cost, short period")
            << "FormCostCurves" << true << "Picture1"
            << "Total cost"
            << "Total cost at Level of production 3000: Long-run total 38647.56; Short-period "
               "total 44462.89.";
    QTest::newRow("demand") << "FormInputDemand" << false << "Picture1"
                            << "Conditional demand for X, output 3000, price of Y 10"
                            << "Conditional demand for X, output 3000, price of Y 10 at Price of "
                               "X 6: Demand for X 4508.88; Cross demand for Y 1159.43.";
    QTest::newRow("inverse demand")
            << "FormInputDemand" << false << "Picture2"
            << "Inverse demand for X"
            << "Inverse demand for X at Quantity of X 4508.88: Inverse demand for X 6.";
}

// A curves window's charts are named by their titles and described by their curves' values at
// the marker, from the data they paint.
void TestAccessibility::curveChartsSayTheirNumbers()
{
    QFETCH(QString, window);
    QFETCH(bool, shortPeriod);
    QFETCH(QString, picture);
    QFETCH(QString, name);
    QFETCH(QString, description);
    findControl<QAction>(form1.get(), "mnushort")->setChecked(shortPeriod);
    CurvesWindow *curves =
            window == QLatin1String("FormCostCurves") ? form1->costCurves() : form1->inputDemand();
    curves->show();
    QAccessibleInterface *chart = QAccessible::queryAccessibleInterface(
            findControl<CurvePlot>(curves, qPrintable(picture)));
    QCOMPARE(chart->text(QAccessible::Name), name);
    QCOMPARE(chart->text(QAccessible::Description), description);

    // A curve without a value at the marker says so.
    analysis::CurveChart undefined;
    undefined.title = "Total cost";
    undefined.horizontal.title = "Level of production";
    undefined.markerAt = 2500.5;
    undefined.curves = { { analysis::CurveKind::ShortTotal, {}, std::nullopt } };
    QCOMPARE(describeCurveChart(undefined),
             QStringLiteral("Total cost at Level of production 2500.5: Short-period total not "
                            "defined."));
}

void TestAccessibility::curveColoursStandOut_data()
{
    QTest::addColumn<QColor>("background");
    QTest::newRow("light") << QColor::fromRgb(0xffffff);
    QTest::newRow("light grey") << QColor::fromRgb(0xefefef);
    QTest::newRow("dark") << QColor::fromRgb(0x242424);
    QTest::newRow("dark grey") << QColor::fromRgb(0x353535);
    QTest::newRow("black") << QColor::fromRgb(0x000000);
}

// Every curve's colour has at least 3:1 contrast against its chart's background (WCAG 1.4.11),
// in a light palette and in a dark one.
void TestAccessibility::curveColoursStandOut()
{
    QFETCH(QColor, background);
    QPalette palette;
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::WindowText, background); // only the curves show
    for (int kind = int(analysis::CurveKind::LongRunTotal);
         kind <= int(analysis::CurveKind::FixedY); ++kind) {
        analysis::CurveChart chart;
        chart.horizontal = chart.vertical = { "", 10, 1 };
        chart.curves = { { analysis::CurveKind(kind), { { { 0, 5 }, { 10, 5 } } }, std::nullopt } };
        QImage image(400, 300, QImage::Format_RGB32);
        QPainter painter(&image);
        paintCurveChart(painter, image.rect(), chart, palette, 2);
        painter.end();
        const double best = bestContrast(image, background);
        QVERIFY2(best >= 3, qPrintable(QStringLiteral("curve kind %1: %2:1").arg(kind).arg(best)));
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
