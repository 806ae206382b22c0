#include "isoquantparameterswindow.h"

#include "windowlook.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

QGroupBox *makeFrame(const QString &name, const QString &caption, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

} // namespace

IsoquantParametersWindow::IsoquantParametersWindow(
        std::function<analysis::TechnologyType()> selectedTechnology, QWidget *parent)
    : QMainWindow(parent), selectedTechnology(std::move(selectedTechnology))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Parametres of the isoquants"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/production-lab-32.png")));

    mnuexit4 = menuBar()->addAction(tr("&Activate the changes"));
    mnuexit4->setObjectName(QStringLiteral("mnuexit4"));
    connect(mnuexit4, &QAction::triggered, this, &QWidget::hide);

    auto *client = new QWidget(this);
    client->setFont(controlFont());
    // The design's client area is 8490 x 5700 twips, but its button reaches 5835: the area is
    // made tall enough to show the whole button.
    client->setFixedSize(fromTwips(0, 0, 8490, 6000).size());
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto *linear = makeFrame(QStringLiteral("Frame1_0"), tr("Linear"), client);
    placeInTwips(linear, 1860, 360, 2895, 1860);
    placeInTwips(makeLabel(QStringLiteral("Label2"), tr("Prod = a X + b Y"), linear), 660, 420,
                 1635, 195);
    placeInTwips(makeLabel(QStringLiteral("Label6"), tr("a ="), linear), 1260, 840, 375, 390);
    text1 = makeText(QStringLiteral("Text1"), QStringLiteral("1"), linear);
    placeInTwips(text1, 1680, 780, 480, 285);
    placeInTwips(makeLabel(QStringLiteral("Label1"), tr("b ="), linear), 1260, 1260, 375, 390);
    text2 = makeText(QStringLiteral("Text2"), QStringLiteral("1"), linear);
    placeInTwips(text2, 1680, 1200, 480, 285);

    auto *fixed = makeFrame(QStringLiteral("Frame1_1"), tr("Fixed proportions"), client);
    placeInTwips(fixed, 4980, 300, 2955, 1920);
    placeInTwips(makeLabel(QStringLiteral("Label3"),
                           tr("1 unit of X should be used with 1 unit of Y in order to obtain 1 "
                              "unit of output"),
                           fixed),
                 540, 660, 1725, 1050);

    auto *cobbDouglas = makeFrame(QStringLiteral("Frame1_2"), tr("Cobb-Douglas"), client);
    placeInTwips(cobbDouglas, 1860, 2640, 2895, 1860);
    placeInTwips(makeLabel(QStringLiteral("Label7"), tr("Prod = X ^ a * Y ^ b"), cobbDouglas), 600,
                 360, 1815, 315);
    placeInTwips(makeLabel(QStringLiteral("Label9"), tr("a ="), cobbDouglas), 1080, 780, 375, 390);
    text3 = makeText(QStringLiteral("Text3"), QStringLiteral(".7"), cobbDouglas);
    placeInTwips(text3, 1500, 720, 555, 285);
    placeInTwips(makeLabel(QStringLiteral("Label8"), tr("b ="), cobbDouglas), 1080, 1200, 375, 390);
    text4 = makeText(QStringLiteral("Text4"), QStringLiteral(".3"), cobbDouglas);
    placeInTwips(text4, 1500, 1140, 555, 285);

    frame1 = { linear, fixed, cobbDouglas };
    for (QLineEdit *text : { text1, text2, text3, text4 })
        connect(text, &QLineEdit::textChanged, this, &IsoquantParametersWindow::parametersChanged);

    command1 = new QPushButton(tr("Restore defaults"), client);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setAutoDefault(false);
    placeInTwips(command1, 3960, 5100, 1950, 735);
    connect(command1, &QPushButton::clicked, this, &IsoquantParametersWindow::command1Clicked);
    fitCaptions(client);
}

void IsoquantParametersWindow::enableFrameOf(analysis::TechnologyType technology)
{
    for (std::size_t i = 0; i < frame1.size(); ++i)
        frame1[i]->setEnabled(static_cast<int>(i) + 1 == static_cast<int>(technology));
}

void IsoquantParametersWindow::readParameters(analysis::DrawInputs &inputs) const
{
    inputs.coefX = text1->text().toStdString();
    inputs.coefY = text2->text().toStdString();
    inputs.cdExpX = text3->text().toStdString();
    inputs.cdExpY = text4->text().toStdString();
}

void IsoquantParametersWindow::command1Clicked()
{
    // Resets the texts of the technology selected in the main window now, whichever frame is
    // enabled; the other texts and the frame states stay.
    switch (selectedTechnology()) {
    case analysis::TechnologyType::PerfectSubstitutes:
        text1->setText(QStringLiteral("1"));
        text2->setText(QStringLiteral("1"));
        break;
    case analysis::TechnologyType::FixedProportions:
        break;
    case analysis::TechnologyType::CobbDouglas:
        text3->setText(QStringLiteral(".7"));
        text4->setText(QStringLiteral(".3"));
        break;
    }
}
