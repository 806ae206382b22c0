#include "mainwindow.h"

#include "ui/accessibility.h"
#include "ui/chart/plotsurface.h"
#include "ui/overloaded.h"
#include "ui/results/exportcommands.h"
#include "ui/results/resultsview.h"
#include "ui/windowlook.h"
#include "ui/windows/consumerwindow.h"
#include "ui/windows/curveswindow.h"
#include "ui/windows/drawmessage.h"
#include "ui/windows/figurewindow.h"
#include "ui/windows/generalparameterswindow.h"
#include "ui/windows/helpmenu.h"
#include "ui/windows/isoquantparameterswindow.h"
#include "ui/windows/statusline.h"
#include "ui/windows/viewsettings.h"

#include "analysis/technologies.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <variant>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    // Before any control exists: Qt keeps the accessible interface it makes first for each.
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Elements of the neoclassical theory of production"));
    // Every window of the program shows the application's icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/production-lab-32.png")));
    createControls();
    createMenus();
    statusLine = new StatusLine(centralWidget()->width(), this);
    setStatusBar(statusLine);
    nameForAccessibility();

    // Start-up, before the window appears: the chart's coordinates, then the general-parameter
    // window, then the isoquant-parameter window, both hidden.
    picture1->setUserCoordinates(0, 10, 10, 0);
    form5 = new GeneralParametersWindow(this);
    connect(form5, &GeneralParametersWindow::categoryApplied, this, &MainWindow::categoryApplied);
    form4 = new IsoquantParametersWindow([this] { return selectedTechnology(); }, this);
    for (QLineEdit *text : { text1, text2, text3, text4 }) {
        connect(text, &QLineEdit::textChanged, this, &MainWindow::drawInputsChanged);
        // Enter (Return or the keypad's) in a box presses Draw, as a default button does.
        connect(text, &QLineEdit::returnPressed, command1, &QPushButton::click);
    }
    connect(option1, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            emit drawInputsChanged();
    });
    connect(mnushort, &QAction::toggled, this, &MainWindow::drawInputsChanged);
    connect(form4, &IsoquantParametersWindow::parametersChanged, this,
            &MainWindow::drawInputsChanged);
    connect(view, &ViewSettings::scaleShown, picture1, &PlotSurface::setScaleShown);
    text1->setFocus();
    view->restore();
}

QString MainWindow::applicationTitle()
{
    return tr("Production Lab");
}

void MainWindow::createControls()
{
    auto *client = new QWidget(this);
    client->setFont(controlFont());
    client->setFixedSize(fromTwips(0, 0, 9600, 6210).size());
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    const analysis::DrawInputs defaults;
    label1 = makeLabel(QStringLiteral("Label1"), tr("Level of production"), client);
    placeInTwips(label1, 480, 3840, 1635, 375);
    text1 = makeText(QStringLiteral("Text1"), QString::fromStdString(defaults.level), client);
    placeInTwips(text1, 2295, 3840, 600, 285);
    label2 = makeLabel(QStringLiteral("Label2"), tr("Price of input X"), client);
    placeInTwips(label2, 480, 4380, 1335, 375);
    text2 = makeText(QStringLiteral("Text2"), QString::fromStdString(defaults.priceX), client);
    placeInTwips(text2, 2295, 4320, 600, 285);
    label3 = makeLabel(QStringLiteral("Label3"), tr("Price of input Y"), client);
    placeInTwips(label3, 480, 4860, 1335, 255);
    text3 = makeText(QStringLiteral("Text3"), QString::fromStdString(defaults.priceY), client);
    placeInTwips(text3, 2295, 4800, 600, 285);
    label7 = makeLabel(QStringLiteral("Label7"), tr("Fixed level of input Y"), client);
    placeInTwips(label7, 120, 5280, 1995, 255);
    label7->hide();
    text4 = makeText(QStringLiteral("Text4"), QString::fromStdString(defaults.fixedY), client);
    placeInTwips(text4, 2295, 5220, 600, 285);
    text4->hide();

    command1 = makeButton(QStringLiteral("Command1"), tr("Draw"), client);
    placeInTwips(command1, 3945, 3840, 975, 375);
    connect(command1, &QPushButton::clicked, this, &MainWindow::command1Clicked);
    command2 = makeButton(QStringLiteral("Command2"), tr("Clear"), client);
    placeInTwips(command2, 3960, 4320, 975, 405);
    connect(command2, &QPushButton::clicked, this, &MainWindow::clearResults);

    frame1 = makeFrame(QStringLiteral("Frame1"), tr("Isoquants"), client);
    placeInTwips(frame1, 5820, 3300, 3165, 2580);
    option1 = new QButtonGroup(this);
    // One button per technology, 360 twips apart, as wide as the frame allows.
    int top = 660;
    for (const analysis::TechnologyEntry &technology : analysis::technologies()) {
        const int index = static_cast<int>(technology.type);
        auto *button = new QRadioButton(
                QCoreApplication::translate(analysis::technologyTextContext, technology.caption),
                frame1);
        button->setObjectName(QStringLiteral("Option1_%1").arg(index));
        placeInTwips(button, 600, top, 2505, 330);
        option1->addButton(button, index);
        top += 360;
    }
    option1->button(static_cast<int>(defaults.technology))->setChecked(true);

    picture1 = new PlotSurface(client);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setAccessibleName(tr("Chart of the isoquants and isocost lines"));
    placeInTwips(picture1, 675, 270, 2000, 2000);
    label10 = makeLabel(QStringLiteral("Label10"), tr("Y"), client);
    placeInTwips(label10, 360, 420, 195, 315);
    label9 = makeLabel(QStringLiteral("Label9"), tr("X"), client);
    placeInTwips(label9, 2400, 2460, 255, 255);

    label5 = makeLabel(QStringLiteral("Label5"),
                       tr("The technology which minimalizes the costs requires the inputs X and Y "
                          "in these quantities:"),
                       client);
    placeInTwips(label5, 3900, 120, 4515, 465);
    label5->hide();
    label4 = makeResultsView(QStringLiteral("Label4"), client);
    label4->setAccessibleName(tr("Results"));
    // As wide as the window allows, so that a result line fits beside the scroll bar.
    placeInTwips(label4, 2880, 660, 6720, 1935);
    label6 = makeLabel(QStringLiteral("Label6"), QString(), client);
    placeInTwips(label6, 480, 2820, 3615, 255);
    label8 = makeLabel(QStringLiteral("Label8"), QString(), client);
    placeInTwips(label8, 4860, 2820, 3675, 375);
    // Draw writes these two later, with numbers of any length: room for two lines each, and the
    // average cost may use the width up to the window's edge.
    const int twoLines = 2 * label6->fontMetrics().lineSpacing() + 2;
    label6->resize(label6->width(), std::max(label6->height(), twoLines));
    label8->resize(client->width() - label8->x() - 8, std::max(label8->height(), twoLines));

    finishLayout(client);

    updateTabOrder();
    connect(option1, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            updateTabOrder();
    });
}

void MainWindow::updateTabOrder()
{
    // One stop a line, in the order Tab visits them; Tab passes over hidden controls (Text4 in
    // the long run). Tab enters the technology group at its selected button, which leads it.
    QWidget *selected = option1->checkedButton();
    QList<QWidget *> order;
    order << text1 << text2 << text3 << text4;
    order << picture1;
    order << command1 << command2;
    if (selected)
        order << selected;
    for (QAbstractButton *button : option1->buttons())
        if (button != selected)
            order << button;
    order << label4;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::createMenus()
{
    const auto menu = [this](const QString &name, const QString &caption) {
        QMenu *created = menuBar()->addMenu(caption);
        created->setObjectName(name);
        return created;
    };
    const auto item = [this](QMenu *in, const QString &name, const QString &caption, auto slot) {
        QAction *action = in->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    exporter = new ExportCommands(
            this, [this] { return picture1->exportPicture(); }, results);
    mnufile = menu(QStringLiteral("mnufile"), tr("&File"));
    mnufile->addActions({ exporter->exportChartAction(), exporter->exportResultsAction(),
                          exporter->printAction() });
    mnufile->addSeparator();
    mnuexit = item(mnufile, QStringLiteral("mnuexit"), tr("E&xit"), &QWidget::close);
    mnuedit = menu(QStringLiteral("mnuedit"), tr("&Edit"));
    mnuedit->addAction(exporter->copyResultsAction());
    mnuparametres = menu(QStringLiteral("mnuparametres"), tr("&Parametres"));
    mnugenparam = item(mnuparametres, QStringLiteral("mnugenparam"), tr("&General"),
                       [this] { form5->show(); });
    mnupreferences =
            item(mnuparametres, QStringLiteral("mnupreferences"), tr("&Isoquants"), [this] {
                form4->enableFrameOf(selectedTechnology());
                form4->show();
            });
    mnuderived = menu(QStringLiteral("mnuderived"), tr("&Issues"));
    // The action has already inverted its own checked state; each control follows from its own.
    mnushort = item(mnuderived, QStringLiteral("mnushort"), tr("&Short-period fixed quantity of Y"),
                    [this] {
                        label7->setHidden(!label7->isHidden());
                        text4->setHidden(!text4->isHidden());
                    });
    mnushort->setCheckable(true);
    const auto show = [](QWidget *window) {
        window->show();
        window->raise();
    };
    mnucostcurves = item(mnuderived, QStringLiteral("mnucostcurves"), tr("&Cost curves"),
                         [this, show] { show(costCurves()); });
    mnuinputdemand = item(mnuderived, QStringLiteral("mnuinputdemand"), tr("Input &demand"),
                          [this, show] { show(inputDemand()); });
    addConsumerMenu(this);
    mnuview = menu(QStringLiteral("mnuview"), tr("&View"));
    view = new ViewSettings(this, mnuview);
    mnuview->addSeparator();
    mnufigure = item(mnuview, QStringLiteral("mnufigure"), tr("&Figure"),
                     [this, show] { show(figure()); });
    mnufigure->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuhelp = menu(QStringLiteral("mnuhelp"), tr("&Help"));
    new HelpMenu(this, mnuhelp);
}

analysis::TechnologyType MainWindow::selectedTechnology() const
{
    return static_cast<analysis::TechnologyType>(option1->checkedId());
}

analysis::DrawInputs MainWindow::drawInputs() const
{
    analysis::DrawInputs inputs;
    inputs.technology = selectedTechnology();
    inputs.shortPeriod = mnushort->isChecked();
    inputs.level = text1->text().toStdString();
    inputs.priceX = text2->text().toStdString();
    inputs.priceY = text3->text().toStdString();
    inputs.fixedY = text4->text().toStdString();
    form4->readParameters(inputs);
    inputs.decimalSeparator = QLocale().decimalPoint().toStdString();
    return inputs;
}

void MainWindow::command1Clicked()
{
    const analysis::DrawInputs inputs = drawInputs();
    technologyType = static_cast<std::int16_t>(inputs.technology);

    // A Draw that ends early keeps what it produced before the fault: the effects list simply
    // stops there.
    const analysis::DrawOutcome outcome = analysis::draw(inputs);
    for (const analysis::Effect &effect : outcome.effects)
        apply(effect);
    picture1->finishDraw();
    results.recordDraw(outcome);
    if (formFigure && outcome.result)
        formFigure->drawsChanged();
    reportDraw(outcome);
}

void MainWindow::nameForAccessibility()
{
    // The text boxes take their names from the labels beside them.
    label1->setBuddy(text1);
    label2->setBuddy(text2);
    label3->setBuddy(text3);
    label7->setBuddy(text4);
    label6->setAccessibleDescription(tr("Slope of the isocost line"));
    label8->setAccessibleDescription(tr("Average cost of production"));
    picture1->setAccessibleDescription(DrawMessage::chartDescription(0, std::nullopt));
}

void MainWindow::reportDraw(const analysis::DrawOutcome &outcome)
{
    const EarlierTexts earlier = DrawMessage::earlierTexts(outcome, !label6->text().isEmpty(),
                                                           !label8->text().isEmpty());
    // Screen readers speak the message; the chart's description is read when it is focused.
    statusLine->setMessage(DrawMessage::status(outcome, earlier));

    if (DrawMessage::drewOnChart(outcome))
        ++drawsShown;
    if (outcome.result)
        latestResult = outcome.result;
    picture1->setAccessibleDescription(DrawMessage::chartDescription(drawsShown, latestResult));
}

void MainWindow::apply(const analysis::Effect &effect)
{
    using namespace analysis;
    // The results list keeps its exact text and appends without laying out the old lines.
    std::visit(
            Overloaded{
                    [this](const SetPenWidth &e) { picture1->setPenWidth(e.pixels); },
                    [this](const PlotPoint &e) { picture1->plotPoint(e.x, e.y); },
                    [this](const DrawSegment &e) { picture1->drawSegment(e.x1, e.y1, e.x2, e.y2); },
                    [this](const SetCaption &e) {
                        const QString text = QString::fromStdString(e.text);
                        if (auto *label = qobject_cast<QLabel *>(resultText(e.label)))
                            label->setText(text);
                        else
                            setResults(label4, text);
                    },
                    [this](const AppendToCaption &e) {
                        const QString text = QString::fromStdString(e.text);
                        if (auto *label = qobject_cast<QLabel *>(resultText(e.label)))
                            label->setText(label->text() + text);
                        else
                            appendToResults(label4, text);
                    },
                    [this](const ShowLabel &e) { resultText(e.label)->show(); },
            },
            effect);
}

QWidget *MainWindow::resultText(analysis::ResultLabel label) const
{
    switch (label) {
    case analysis::ResultLabel::Heading:
        return label5;
    case analysis::ResultLabel::ResultList:
        return label4;
    case analysis::ResultLabel::Slope:
        return label6;
    case analysis::ResultLabel::AverageCost:
        break;
    }
    return label8;
}

void MainWindow::clearResults()
{
    picture1->clearSurface();
    label5->hide();
    label8->clear();
    label6->clear();
    drawsShown = 0;
    latestResult.reset();
    picture1->setAccessibleDescription(DrawMessage::chartDescription(0, std::nullopt));
    results.clear();
    if (formFigure)
        formFigure->drawsCleared();
    emptyResults(label4);
    statusLine->setMessage(tr("The chart and the results are cleared."));
}

CurvesWindow *MainWindow::costCurves()
{
    if (!formCostCurves)
        formCostCurves =
                makeCurvesWindow(QStringLiteral("FormCostCurves"), tr("Cost curves"),
                                 QStringLiteral("cost-curves.svg"), &analysis::costCurveCharts);
    return formCostCurves;
}

CurvesWindow *MainWindow::inputDemand()
{
    if (!formInputDemand)
        formInputDemand =
                makeCurvesWindow(QStringLiteral("FormInputDemand"), tr("Input demand"),
                                 QStringLiteral("input-demand.svg"), &analysis::inputDemandCharts);
    return formInputDemand;
}

FigureWindow *MainWindow::figure()
{
    // Made at first use: start-up builds nothing of it.
    if (!formFigure)
        formFigure = new FigureWindow(results, this);
    return formFigure;
}

CurvesWindow *MainWindow::makeCurvesWindow(const QString &objectName, const QString &title,
                                           const QString &fileName, CurveChartsOf charts)
{
    // Made at first use: nothing shows a curves window at start-up.
    auto *window = new CurvesWindow(
            objectName, title, fileName, charts, [this] { return drawInputs(); }, this);
    connect(this, &MainWindow::drawInputsChanged, window, &CurvesWindow::inputsChanged);
    return window;
}

void MainWindow::categoryApplied(bool fastComputer)
{
    if (!fastComputer)
        clearResults();
    picture1->setRetainDrawing(fastComputer);
}
