#include "mainwindow.h"

#include "curveswindow.h"
#include "drawmessage.h"
#include "exportcommands.h"
#include "generalparameterswindow.h"
#include "isoquantparameterswindow.h"
#include "plotsurface.h"
#include "resultlist.h"
#include "windowlook.h"

#include "analysis/technologies.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <variant>

#if defined(__GLIBC__)
#  include <malloc.h>
#endif

namespace {

template<class... Ts>
struct Overloaded : Ts...
{
    using Ts::operator()...;
};

/// The client area. It paints the part of the chart's figure outside the chart: one stroke of
/// each arrowhead and, when shown, the scale.
class ClientArea : public QWidget
{
public:
    using QWidget::QWidget;
    PlotSurface *chart = nullptr;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!chart)
            return;
        QPainter p(this);
        chart->paintFrame(p, QRectF(chart->geometry()));
    }
};

/// Hands the memory freed by dropping a long results list back to the system. The C library
/// keeps freed blocks for reuse, and the list's many small blocks lie between others that stay,
/// so without this a class's worth of Draws would keep the program some megabytes larger
/// after Clear. Only Clear calls it, never a Draw, so Draws pay nothing.
void releaseFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Elements of the neoclassical theory of production"));
    // Every window of the program shows the application's icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/production-lab-32.png")));
    createControls();
    createMenus();
    createStatusLine();
    nameForAccessibility();

    // Start-up, before the window appears: the chart's coordinates, then the general-parameter
    // window, then the isoquant-parameter window, both hidden.
    picture1->setUserCoordinates(0, 10, 10, 0);
    form5 = std::make_unique<GeneralParametersWindow>();
    connect(form5.get(), &GeneralParametersWindow::categoryApplied, this,
            &MainWindow::categoryApplied);
    form4 = std::make_unique<IsoquantParametersWindow>([this] { return selectedTechnology(); });
    formCostCurves = std::make_unique<CurvesWindow>(QStringLiteral("FormCostCurves"),
                                                    tr("Cost curves"), &analysis::costCurveCharts,
                                                    [this] { return drawInputs(); });
    formInputDemand = std::make_unique<CurvesWindow>(
            QStringLiteral("FormInputDemand"), tr("Input demand"), &analysis::inputDemandCharts,
            [this] { return drawInputs(); });
    for (QLineEdit *text : { text1, text2, text3, text4 })
        connect(text, &QLineEdit::textChanged, this, &MainWindow::drawInputsChanged);
    connect(option1, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            emit drawInputsChanged();
    });
    connect(mnushort, &QAction::toggled, this, &MainWindow::drawInputsChanged);
    connect(form4.get(), &IsoquantParametersWindow::parametersChanged, this,
            &MainWindow::drawInputsChanged);
    for (CurvesWindow *window : { formCostCurves.get(), formInputDemand.get() })
        connect(this, &MainWindow::drawInputsChanged, window, &CurvesWindow::inputsChanged);
    text1->setFocus();
    restoreView();
}

MainWindow::~MainWindow() = default;

QString MainWindow::applicationTitle()
{
    return QStringLiteral("Production Lab");
}

QUrl MainWindow::helpBaseUrl()
{
    const QString folder = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                           + QStringLiteral(PRODUCTION_LAB_HELP_DIR_FROM_BIN));
    return QUrl::fromLocalFile(folder + QLatin1Char('/'));
}

void MainWindow::createControls()
{
    auto *client = new ClientArea(this);
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
    client->chart = picture1;
    label10 = makeLabel(QStringLiteral("Label10"), QStringLiteral("Y"), client);
    placeInTwips(label10, 360, 420, 195, 315);
    label9 = makeLabel(QStringLiteral("Label9"), QStringLiteral("X"), client);
    placeInTwips(label9, 2400, 2460, 255, 255);

    label5 = makeLabel(QStringLiteral("Label5"),
                       tr("The technology which minimalizes the costs requires the inputs X and Y "
                          "in these quantities:"),
                       client);
    placeInTwips(label5, 3900, 120, 4515, 465);
    label5->hide();
    label4 = new ResultList(client);
    label4->setObjectName(QStringLiteral("Label4"));
    label4->setAccessibleName(tr("Results"));
    placeInTwips(label4, 2880, 660, 6675, 1935);
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
    // Tab enters the technology group at its selected button, so that button leads the group.
    QWidget *selected = option1->checkedButton();
    QList<QWidget *> order{ text1, text2, text3, picture1, command1, command2 };
    if (selected)
        order << selected;
    for (QAbstractButton *button : option1->buttons())
        if (button != selected)
            order << button;
    order << text4;
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
            this, [this] { return chartPicture(); }, results,
            [this] { return label4->caption().split(u'\r', Qt::SkipEmptyParts); });
    mnufile = menu(QStringLiteral("mnufile"), tr("&File"));
    mnufile->addActions({ exporter->exportChartAction(), exporter->exportResultsAction(),
                          exporter->printAction() });
    mnufile->addSeparator();
    mnuexit = item(mnufile, QStringLiteral("mnuexit"), tr("&Exit"), &QWidget::close);
    mnuedit = menu(QStringLiteral("mnuedit"), tr("&Edit"));
    mnuedit->addAction(exporter->copyResultsAction());
    mnuparametres = menu(QStringLiteral("mnuparametres"), tr("&Parametres"));
    mnugenparam = item(mnuparametres, QStringLiteral("mnugenparam"), tr("&General"),
                       &MainWindow::mnugenparamTriggered);
    mnupreferences = item(mnuparametres, QStringLiteral("mnupreferences"), tr("&Isoquants"),
                          &MainWindow::mnupreferencesTriggered);
    mnuderived = menu(QStringLiteral("mnuderived"), tr("&Issues"));
    mnushort = item(mnuderived, QStringLiteral("mnushort"), tr("&Short-period fixed quantity of Y"),
                    &MainWindow::mnushortTriggered);
    mnushort->setCheckable(true);
    mnucostcurves = item(mnuderived, QStringLiteral("mnucostcurves"), tr("&Cost curves"),
                         &MainWindow::mnucostcurvesTriggered);
    mnuinputdemand = item(mnuderived, QStringLiteral("mnuinputdemand"), tr("Input &demand"),
                          &MainWindow::mnuinputdemandTriggered);
    mnuview = menu(QStringLiteral("mnuview"), tr("&View"));
    mnuzoomin = item(mnuview, QStringLiteral("mnuzoomin"), tr("Zoom &In"), &MainWindow::zoomIn);
    mnuzoomin->setShortcuts(
            { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    mnuzoomout = item(mnuview, QStringLiteral("mnuzoomout"), tr("Zoom &Out"), &MainWindow::zoomOut);
    mnuzoomout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    mnuzoomreset = item(mnuview, QStringLiteral("mnuzoomreset"), tr("&Actual Size"),
                        &MainWindow::zoomReset);
    mnuzoomreset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    mnuview->addSeparator();
    mnuscale = mnuview->addAction(tr("Show &Scale"));
    mnuscale->setObjectName(QStringLiteral("mnuscale"));
    mnuscale->setCheckable(true);
    mnuhelp = menu(QStringLiteral("mnuhelp"), tr("&Help"));
    mnuhow = item(mnuhelp, QStringLiteral("mnuhow"), tr("&How to use this software"),
                  &MainWindow::mnuhowTriggered);
    mnuglossary = item(mnuhelp, QStringLiteral("mnuglossary"), tr("&Glossary"),
                       &MainWindow::mnuglossaryTriggered);
    mnuabout = item(mnuhelp, QStringLiteral("mnuabout"), tr("&About..."),
                    &MainWindow::mnuaboutTriggered);
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
    const QString slopeBefore = label6->text();
    const QString averageBefore = label8->text();
    for (const analysis::Effect &effect : outcome.effects)
        apply(effect);
    picture1->finishDraw();
    results.recordDraw(outcome);
    reportDraw(outcome, slopeBefore, averageBefore);
}

void MainWindow::createStatusLine()
{
    // Room for three lines, so that a stop, a warning and a note on earlier texts all show
    // without the window changing its height from Draw to Draw. The bar has a fixed size, so a
    // new message lays out the bar alone, never the whole window (the whole Draw's goal in
    // bench/bench_window); laid out as a window of its own, it follows the zoom like the rest.
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setFont(controlFont());
    bar->setSizeGripEnabled(false);
    statusMessage = makeLabel(QStringLiteral("StatusMessage"), QString(), bar);
    statusMessage->setContentsMargins(6, 2, 6, 2);
    bar->addWidget(statusMessage, 1);
    bar->setFixedSize(centralWidget()->width(),
                      3 * statusMessage->fontMetrics().lineSpacing() + 10);
    finishLayout(bar);
    fitStatusMessage();
}

void MainWindow::fitStatusMessage()
{
    // The message has a fixed size too, so that a new text repaints the label alone: its size
    // would otherwise lay the bar out again at every Draw.
    statusMessage->setFixedSize(statusBar()->size() - QSize(4, 6));
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
    statusBar()->setAccessibleName(tr("Status"));
    picture1->setAccessibleDescription(DrawMessage::chartDescription(0, std::nullopt));
}

void MainWindow::reportDraw(const analysis::DrawOutcome &outcome, const QString &slopeBefore,
                            const QString &averageBefore)
{
    bool drew = false;
    bool slopeWritten = false;
    bool averageWritten = false;
    for (const analysis::Effect &effect : outcome.effects) {
        drew = drew || std::holds_alternative<analysis::PlotPoint>(effect)
                || std::holds_alternative<analysis::DrawSegment>(effect);
        if (const auto *caption = std::get_if<analysis::SetCaption>(&effect)) {
            slopeWritten = slopeWritten || caption->label == analysis::ResultLabel::Slope;
            averageWritten = averageWritten || caption->label == analysis::ResultLabel::AverageCost;
        }
    }
    EarlierTexts earlier;
    earlier.slope = !slopeWritten && !label6->text().isEmpty();
    earlier.averageCost = !averageWritten && !label8->text().isEmpty();
    statusMessage->setText(DrawMessage::status(outcome, earlier));

    if (drew)
        ++drawsShown;
    if (outcome.result)
        latestResult = outcome.result;
    picture1->setAccessibleDescription(DrawMessage::chartDescription(drawsShown, latestResult));

    // Screen readers hear the message and every result text that changed; the results list
    // announces the text appended to it itself.
    QAccessibleEvent status(statusMessage, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&status);
    if (!outcome.completed) {
        QAccessibleEvent alert(statusMessage, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
    if (label6->text() != slopeBefore) {
        QAccessibleEvent changed(label6, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    if (label8->text() != averageBefore) {
        QAccessibleEvent changed(label8, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void MainWindow::apply(const analysis::Effect &effect)
{
    using namespace analysis;
    std::visit(
            Overloaded{
                    [this](const SetPenWidth &e) { picture1->setPenWidth(e.pixels); },
                    [this](const PlotPoint &e) { picture1->plotPoint(e.x, e.y); },
                    [this](const DrawSegment &e) { picture1->drawSegment(e.x1, e.y1, e.x2, e.y2); },
                    [this](const SetCaption &e) {
                        changeResult(e.label, CaptionChange::Set, QString::fromStdString(e.text));
                    },
                    [this](const AppendToCaption &e) {
                        changeResult(e.label, CaptionChange::Append,
                                     QString::fromStdString(e.text));
                    },
                    [this](const ShowLabel &e) {
                        changeResult(e.label, CaptionChange::Show, QString());
                    },
            },
            effect);
}

void MainWindow::changeResult(analysis::ResultLabel label, CaptionChange change,
                              const QString &text)
{
    using analysis::ResultLabel;
    if (label == ResultLabel::ResultList) {
        // The results list keeps its exact text and appends without laying out the old lines.
        switch (change) {
        case CaptionChange::Set:
            label4->setCaption(text);
            break;
        case CaptionChange::Append:
            label4->appendToCaption(text);
            break;
        case CaptionChange::Show:
            label4->show();
            break;
        }
        return;
    }
    QLabel *target = nullptr;
    switch (label) {
    case ResultLabel::Heading:
        target = label5;
        break;
    case ResultLabel::Slope:
        target = label6;
        break;
    case ResultLabel::AverageCost:
        target = label8;
        break;
    case ResultLabel::ResultList:
        break;
    }
    if (!target)
        return;
    switch (change) {
    case CaptionChange::Set:
        target->setText(text);
        break;
    case CaptionChange::Append:
        target->setText(target->text() + text);
        break;
    case CaptionChange::Show:
        target->show();
        break;
    }
}

ChartPicture MainWindow::chartPicture() const
{
    // The figure at the chart's design size, dark on white, with the axis letters as text and
    // the scale when the chart shows it.
    const QRectF figure(
            QPointF(0, 0),
            figureAround(QRectF(QPointF(0, 0), fromTwips(0, 0, 2000, 2000).size())).size());
    ChartLook look;
    look.scale = picture1->scaleShown();
    look.font = controlFont();
    PlotSurface *chart = picture1;
    return { figure.size(), chartAreaIn(figure),
             [chart, look](QPainter &painter, const QRectF &target, qreal penScale) mutable {
                 look.penScale = penScale;
                 if (chart->retainsDrawing()) {
                     paintChart(painter, target, chart->drawing(), chart->userCorners(), look);
                     return;
                 }
                 // A chart that keeps no drawing ("Slow computer") gives what its pixels show,
                 // in ink on the white background.
                 look.layers = unsigned(ChartLayer::Background) | unsigned(ChartLayer::Frame);
                 paintChart(painter, target, ChartDrawing(), chart->userCorners(), look);
                 QImage shown = chart->image().createMaskFromColor(
                         chart->palette().color(chart->backgroundRole()).rgb(), Qt::MaskOutColor);
                 shown.setColorTable({ qRgba(0, 0, 0, 0), look.ink.rgba() });
                 painter.drawImage(chartAreaIn(target), shown);
             } };
}

void MainWindow::clearResults()
{
    picture1->clearSurface();
    label5->hide();
    label4->setCaption(QString());
    label8->clear();
    label6->clear();
    statusMessage->clear();
    drawsShown = 0;
    latestResult.reset();
    picture1->setAccessibleDescription(DrawMessage::chartDescription(0, std::nullopt));
    results.clear();
    releaseFreedMemory();
}

void MainWindow::mnushortTriggered()
{
    // The action has already inverted its own checked state; each control follows from its own.
    label7->setHidden(!label7->isHidden());
    text4->setHidden(!text4->isHidden());
}

namespace {

constexpr char zoomKey[] = "view/zoom";
constexpr char scaleKey[] = "view/showScale";

} // namespace

void MainWindow::restoreView()
{
    // The zoom step and "Show Scale" are the only settings the program keeps between runs.
    const QSettings settings;
    mnuscale->setChecked(settings.value(QLatin1String(scaleKey), false).toBool());
    showScale(mnuscale->isChecked());
    connect(mnuscale, &QAction::toggled, this, [this](bool on) {
        showScale(on);
        QSettings().setValue(QLatin1String(scaleKey), on);
    });
    // A step saved on a larger screen comes back as the largest step that fits this one.
    const int saved = settings.value(QLatin1String(zoomKey), 100).toInt();
    int restored = zoomSteps.front();
    for (int step : zoomSteps)
        if (step <= saved && fitsScreen(step))
            restored = step;
    setZoomPercent(restored);
}

void MainWindow::showScale(bool on)
{
    picture1->setScaleShown(on);
    centralWidget()->update(); // the scale's numbers stand beside the chart
}

bool MainWindow::fitsScreen(int percent) const
{
    const QScreen *shownOn = screen();
    if (!shownOn)
        return true;
    // The window at `percent`: its client area, menu bar and status line scale, its frame does
    // not.
    const double ratio = percent / double(zoom);
    const QSize client = (QSizeF(centralWidget()->size()) * ratio).toSize();
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize whole(client.width() + frame.width(),
                      client.height() + qRound(menuBar()->sizeHint().height() * ratio)
                              + qRound(statusBar()->height() * ratio) + frame.height());
    const QSize room = shownOn->availableGeometry().size();
    return whole.width() <= room.width() && whole.height() <= room.height();
}

void MainWindow::setZoomPercent(int percent)
{
    if (std::find(zoomSteps.begin(), zoomSteps.end(), percent) == zoomSteps.end())
        return;
    zoom = percent;
    setZoomFactor(percent / 100.0);
    fitStatusMessage();
    mnuzoomout->setEnabled(percent > zoomSteps.front());
    mnuzoomreset->setEnabled(percent != 100);
    const auto next = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), percent);
    mnuzoomin->setEnabled(next != zoomSteps.end() && fitsScreen(*next));
}

void MainWindow::chooseZoom(int percent)
{
    setZoomPercent(percent);
    QSettings().setValue(QLatin1String(zoomKey), zoom);
}

void MainWindow::zoomIn()
{
    const auto next = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), zoom);
    if (next != zoomSteps.end() && fitsScreen(*next))
        chooseZoom(*next);
}

void MainWindow::zoomOut()
{
    const auto current = std::lower_bound(zoomSteps.begin(), zoomSteps.end(), zoom);
    if (current != zoomSteps.begin())
        chooseZoom(*std::prev(current));
}

void MainWindow::zoomReset()
{
    chooseZoom(100);
}

void MainWindow::mnupreferencesTriggered()
{
    form4->enableFrameOf(selectedTechnology());
    form4->show();
}

void MainWindow::mnucostcurvesTriggered()
{
    formCostCurves->show();
    formCostCurves->raise();
}

void MainWindow::mnuinputdemandTriggered()
{
    formInputDemand->show();
    formInputDemand->raise();
}

void MainWindow::mnugenparamTriggered()
{
    form5->show();
}

void MainWindow::mnuhowTriggered()
{
    QDesktopServices::openUrl(helpBaseUrl().resolved(QUrl(QStringLiteral("software/tolvane.htm"))));
}

void MainWindow::mnuglossaryTriggered()
{
    QDesktopServices::openUrl(helpBaseUrl().resolved(QUrl(QStringLiteral("concepts.htm"))));
}

void MainWindow::mnuaboutTriggered()
{
    QMessageBox about(
            QMessageBox::NoIcon, applicationTitle(),
            tr("Production Lab is teaching software on the neoclassical theory of production, used "
               "in "
               "classes of microeconomics: it draws the isoquant of a level of production and the "
               "isocost line of the cheapest way to produce it, for perfect substitutes, fixed "
               "proportions and Cobb-Douglas technologies, in the long run and in the short period "
               "with a fixed quantity of Y.\n\n"
               "Written by the Production Lab developers, 2026. Version %1.")
                    .arg(QStringLiteral(PRODUCTION_LAB_VERSION)),
            QMessageBox::Ok, this);
    about.exec();
}

void MainWindow::categoryApplied(bool fastComputer)
{
    if (!fastComputer)
        clearResults();
    picture1->setRetainDrawing(fastComputer);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The other windows end with the main window, even when they are shown.
    form4->hide();
    form5->hide();
    formCostCurves->hide();
    formInputDemand->hide();
    QMainWindow::closeEvent(event);
}
