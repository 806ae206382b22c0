#include "analysis/technologies.h"
#include "ui/windows/generalparameterswindow.h"
#include "ui/windows/isoquantparameterswindow.h"
#include "ui/windows/mainwindow.h"
#include "ui/chart/plotsurface.h"
#include "ui/results/resultsview.h"
#include "uitest.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

class TestParameterWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void isoquantsEnablesOnlyTheSelectedFrame_data();
    void isoquantsEnablesOnlyTheSelectedFrame();
    void disabledFrameRefusesTyping();
    void showingAVisibleWindowAgainChangesNothingElse();
    void restoreDefaults_data();
    void restoreDefaults();
    void editIsUsedByTheNextDrawWithoutActivating();
    void activateHidesAndKeepsTheEdits();
    void closingThroughTheWindowManagerKeepsValues();
    void slowComputerClearsEverythingFastLeavesIt_data();
    void slowComputerClearsEverythingFastLeavesIt();
    void generalShowsTheCategoryChosenLast();

private:
    template<class T>
    static T *control(QWidget *window, const char *name)
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s in %s", name, qPrintable(window->objectName()));
        return found;
    }
    QLineEdit *parameter(const char *name) const { return control<QLineEdit>(form4, name); }
    QAction *action(const char *name) const { return control<QAction>(form1.get(), name); }
    void choose(int technology) const
    {
        QTest::mouseClick(
                control<QRadioButton>(form1.get(),
                                      qPrintable(QStringLiteral("Option1_%1").arg(technology))),
                Qt::LeftButton);
    }
    void draw() const
    {
        QTest::mouseClick(control<QPushButton>(form1.get(), "Command1"), Qt::LeftButton);
    }
    void type(QLineEdit *box, const QString &text) const
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    QStringList parameterTexts() const
    {
        return { parameter("Text1")->text(), parameter("Text2")->text(), parameter("Text3")->text(),
                 parameter("Text4")->text() };
    }
    QList<bool> frameStates() const
    {
        QList<bool> states;
        for (const char *frame : { "Frame1_0", "Frame1_1", "Frame1_2" })
            states << control<QGroupBox>(form4, frame)->isEnabled();
        return states;
    }

    std::unique_ptr<MainWindow> form1;
    IsoquantParametersWindow *form4 = nullptr;
    GeneralParametersWindow *form5 = nullptr;
};

void TestParameterWindows::init()
{
    form1 = std::make_unique<MainWindow>();
    form4 = form1->isoquantParameters();
    form5 = form1->generalParameters();
    form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
}

void TestParameterWindows::cleanup()
{
    form1.reset();
}

void TestParameterWindows::startState()
{
    QCOMPARE(form4->objectName(), QStringLiteral("Form4"));
    QCOMPARE(form4->windowTitle(), QStringLiteral("Parametres of the isoquants"));
    QCOMPARE(form5->objectName(), QStringLiteral("Form5"));
    QCOMPARE(form5->windowTitle(), QStringLiteral("General parametres"));
    QCOMPARE(parameterTexts(), (QStringList{ "1", "1", ".7", ".3" }));
    QCOMPARE(frameStates(), (QList<bool>{ true, true, true }));
    QCOMPARE(control<QGroupBox>(form4, "Frame1_0")->title(), QStringLiteral("Linear"));
    QCOMPARE(control<QGroupBox>(form4, "Frame1_1")->title(), QStringLiteral("Fixed proportions"));
    QCOMPARE(control<QGroupBox>(form4, "Frame1_2")->title(), QStringLiteral("Cobb-Douglas"));
    QCOMPARE(control<QLabel>(form4, "Label2")->text(), QStringLiteral("Prod = a X + b Y"));
    QCOMPARE(control<QLabel>(form4, "Label7")->text(), QStringLiteral("Prod = X ^ a * Y ^ b"));
    QCOMPARE(control<QLabel>(form4, "Label3")->text(),
             QStringLiteral("1 unit of X should be used with 1 unit of Y in order to obtain 1 unit "
                            "of output"));
    QCOMPARE(control<QPushButton>(form4, "Command1")->text(), QStringLiteral("Restore defaults"));
    QCOMPARE(control<QAction>(form4, "mnuexit4")->text(), QStringLiteral("&Activate the changes"));
    QVERIFY(control<QAction>(form4, "mnuexit4")->menu() == nullptr);
    QCOMPARE(control<QGroupBox>(form5, "Frame1")->title(), QStringLiteral("Computer category"));
    QVERIFY(control<QRadioButton>(form5, "Option1")->isChecked());
    QCOMPARE(control<QRadioButton>(form5, "Option1")->text(), QStringLiteral("Fast computer"));
    QVERIFY(!control<QRadioButton>(form5, "Option2")->isChecked());
    QCOMPARE(control<QRadioButton>(form5, "Option2")->text(), QStringLiteral("Slow computer"));
    QCOMPARE(control<QPushButton>(form5, "Command1")->text(),
             QStringLiteral("OK - Activate the changes"));
    // Every control of both windows is on screen once they are shown, the button included.
    action("mnupreferences")->trigger();
    action("mnugenparam")->trigger();
    for (QWidget *window : { static_cast<QWidget *>(form4), static_cast<QWidget *>(form5) }) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (QWidget *child : window->findChildren<QWidget *>()) {
            if (child->objectName().isEmpty()
                || child->objectName().startsWith(QLatin1String("qt_"))
                || child->parentWidget()->isWindow())
                continue;
            const QRect onParent = child->geometry();
            QVERIFY2(child->parentWidget()->rect().contains(onParent),
                     qPrintable(child->objectName()));
        }
    }
}

void TestParameterWindows::isoquantsEnablesOnlyTheSelectedFrame_data()
{
    QTest::addColumn<int>("technology");
    QTest::addColumn<QList<bool>>("frames");
    QTest::newRow("perfect substitutes: Linear") << 1 << QList<bool>{ true, false, false };
    QTest::newRow("fixed proportions") << 2 << QList<bool>{ false, true, false };
    QTest::newRow("Cobb-Douglas") << 3 << QList<bool>{ false, false, true };
}

void TestParameterWindows::isoquantsEnablesOnlyTheSelectedFrame()
{
    QFETCH(int, technology);
    QFETCH(QList<bool>, frames);
    choose(technology);
    action("mnupreferences")->trigger();
    QVERIFY(form4->isVisible());
    QVERIFY(form1->isVisible());
    QCOMPARE(frameStates(), frames);
    // The enabling follows the selection at the moment of the command only.
    choose(technology % int(analysis::technologies().size()) + 1);
    QCOMPARE(frameStates(), frames);
}

void TestParameterWindows::disabledFrameRefusesTyping()
{
    choose(2);
    action("mnupreferences")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(form4));
    QTest::keyClicks(parameter("Text1"), QStringLiteral("99"));
    QTest::keyClicks(parameter("Text3"), QStringLiteral("99"));
    QCOMPARE(parameterTexts(), (QStringList{ "1", "1", ".7", ".3" }));
    QVERIFY(!parameter("Text1")->hasFocus());
}

void TestParameterWindows::showingAVisibleWindowAgainChangesNothingElse()
{
    choose(1);
    action("mnupreferences")->trigger();
    action("mnugenparam")->trigger();
    type(parameter("Text1"), QStringLiteral("2"));
    QTest::mouseClick(control<QRadioButton>(form5, "Option2"), Qt::LeftButton);

    choose(3);
    action("mnupreferences")->trigger(); // updates which frame is enabled, and nothing else
    action("mnugenparam")->trigger();
    QVERIFY(form4->isVisible() && form5->isVisible());
    QCOMPARE(frameStates(), (QList<bool>{ false, false, true }));
    QCOMPARE(parameterTexts(), (QStringList{ "2", "1", ".7", ".3" }));
    QVERIFY(control<QRadioButton>(form5, "Option2")->isChecked());
    QVERIFY(control<PlotSurface>(form1.get(), "Picture1")->retainsDrawing());
}

void TestParameterWindows::restoreDefaults_data()
{
    QTest::addColumn<int>("shownFor"); // technology selected when the window was shown
    QTest::addColumn<int>("selectedAt"); // technology selected at the click
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Cobb-Douglas resets its own texts only")
            << 3 << 3 << QStringList{ "5", "6", ".7", ".3" };
    QTest::newRow("perfect substitutes") << 1 << 1 << QStringList{ "1", "1", "7", "8" };
    QTest::newRow("fixed proportions changes no text")
            << 2 << 2 << QStringList{ "5", "6", "7", "8" };
    QTest::newRow("follows the selection at the click")
            << 3 << 1 << QStringList{ "1", "1", "7", "8" };
}

void TestParameterWindows::restoreDefaults()
{
    QFETCH(int, shownFor);
    QFETCH(int, selectedAt);
    QFETCH(QStringList, expected);

    const QStringList edited{ "5", "6", "7", "8" };
    for (int i = 0; i < 4; ++i)
        parameter(qPrintable(QStringLiteral("Text%1").arg(i + 1)))->setText(edited[i]);
    choose(shownFor);
    action("mnupreferences")->trigger();
    const QList<bool> frames = frameStates();
    choose(selectedAt);
    QTest::mouseClick(control<QPushButton>(form4, "Command1"), Qt::LeftButton);
    QCOMPARE(parameterTexts(), expected);
    QVERIFY(form4->isVisible());
    QCOMPARE(frameStates(), frames);
}

void TestParameterWindows::editIsUsedByTheNextDrawWithoutActivating()
{
    choose(1);
    action("mnupreferences")->trigger();
    type(parameter("Text1"), QStringLiteral("2"));
    QVERIFY(form4->isVisible());
    draw();
    QCOMPARE(resultsCaption(control<QPlainTextEdit>(form1.get(), "Label4")),
             QStringLiteral(" X = 1500. Y = 0. at price of X=6 and of Y =10. Cost = 9000.\r"));

    // Hidden, the window is read all the same.
    control<QAction>(form4, "mnuexit4")->trigger();
    parameter("Text1")->setText(QStringLiteral("3"));
    draw();
    QVERIFY(resultsCaption(control<QPlainTextEdit>(form1.get(), "Label4"))
                    .endsWith(QStringLiteral(
                            " X = 1000. Y = 0. at price of X=6 and of Y =10. Cost = 6000.\r")));
}

void TestParameterWindows::activateHidesAndKeepsTheEdits()
{
    choose(3);
    action("mnupreferences")->trigger();
    type(parameter("Text3"), QStringLiteral(".5"));
    control<QAction>(form4, "mnuexit4")->trigger();
    QVERIFY(!form4->isVisible());
    QCOMPARE(frameStates(), (QList<bool>{ false, false, true }));

    action("mnupreferences")->trigger();
    QVERIFY(form4->isVisible());
    QCOMPARE(parameterTexts(), (QStringList{ "1", "1", ".5", ".3" }));
}

void TestParameterWindows::closingThroughTheWindowManagerKeepsValues()
{
    action("mnupreferences")->trigger();
    action("mnugenparam")->trigger();
    parameter("Text4")->setText(QStringLiteral(".4"));
    control<QRadioButton>(form5, "Option2")->setChecked(true);
    QVERIFY(form4->close());
    QVERIFY(form5->close());
    QVERIFY(form1->isVisible());

    action("mnupreferences")->trigger();
    action("mnugenparam")->trigger();
    QCOMPARE(parameter("Text4")->text(), QStringLiteral(".4"));
    QVERIFY(control<QRadioButton>(form5, "Option2")->isChecked());
}

void TestParameterWindows::slowComputerClearsEverythingFastLeavesIt_data()
{
    QTest::addColumn<bool>("slow");
    QTest::newRow("fast computer") << false;
    QTest::newRow("slow computer") << true;
}

void TestParameterWindows::slowComputerClearsEverythingFastLeavesIt()
{
    QFETCH(bool, slow);
    PlotSurface *chart = control<PlotSurface>(form1.get(), "Picture1");
    QPlainTextEdit *label4 = control<QPlainTextEdit>(form1.get(), "Label4");
    QLabel *label5 = control<QLabel>(form1.get(), "Label5");
    // "Slow computer" clears even when it is already the category: two rounds.
    for (int round = 0; round < 2; ++round) {
        draw();
        action("mnugenparam")->trigger();
        QTest::mouseClick(control<QRadioButton>(form5, slow ? "Option2" : "Option1"),
                          Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(form5, "Command1"), Qt::LeftButton);

        QVERIFY(!form5->isVisible());
        QCOMPARE(chart->retainsDrawing(), !slow);
        QCOMPARE(blank(chart->image()), slow);
        QCOMPARE(resultsCaption(label4).isEmpty(), slow);
        QCOMPARE(control<QLabel>(form1.get(), "Label6")->text().isEmpty(), slow);
        QCOMPARE(control<QLabel>(form1.get(), "Label8")->text().isEmpty(), slow);
        QCOMPARE(label5->isVisible(), !slow);
    }
    QCOMPARE(resultsCaption(label4).count(u'\r'), slow ? 0 : 2);
}

void TestParameterWindows::generalShowsTheCategoryChosenLast()
{
    action("mnugenparam")->trigger();
    QTest::mouseClick(control<QRadioButton>(form5, "Option2"), Qt::LeftButton);
    QVERIFY(!control<QRadioButton>(form5, "Option1")->isChecked());
    QTest::mouseClick(control<QPushButton>(form5, "Command1"), Qt::LeftButton);
    action("mnugenparam")->trigger();
    QVERIFY(form5->isVisible());
    QVERIFY(control<QRadioButton>(form5, "Option2")->isChecked());
    // Choosing an option alone changes nothing until OK.
    QTest::mouseClick(control<QRadioButton>(form5, "Option1"), Qt::LeftButton);
    QVERIFY(!control<PlotSurface>(form1.get(), "Picture1")->retainsDrawing());
}

QTEST_MAIN(TestParameterWindows)
#include "tst_parameterwindows.moc"
