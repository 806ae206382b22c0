#include "isoquantparameterswindow.h"

#include "ui/windowlook.h"

#include "analysis/technologies.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

/// The text of `field` in the default inputs of a Draw.
QString defaultText(std::string analysis::DrawInputs::*field)
{
    return QString::fromStdString(analysis::DrawInputs{}.*field);
}

} // namespace

IsoquantParametersWindow::IsoquantParametersWindow(
        std::function<analysis::TechnologyType()> selectedTechnology, QWidget *parent)
    : QMainWindow(parent, Qt::Window), selectedTechnology(std::move(selectedTechnology))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Parametres of the isoquants"));

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

    const auto technology = [](analysis::TechnologyType type) {
        return *analysis::findTechnology(type);
    };
    const analysis::TechnologyEntry &linearTechnology =
            technology(analysis::TechnologyType::PerfectSubstitutes);
    const analysis::TechnologyEntry &fixedTechnology =
            technology(analysis::TechnologyType::FixedProportions);
    const analysis::TechnologyEntry &cobbDouglasTechnology =
            technology(analysis::TechnologyType::CobbDouglas);

    auto *linear = makeFrame(QStringLiteral("Frame1_0"), tr(linearTechnology.frameCaption), client);
    placeInTwips(linear, 1860, 360, 2895, 1860);
    placeInTwips(makeLabel(QStringLiteral("Label2"), tr(linearTechnology.formula), linear), 660,
                 420, 1635, 195);
    placeInTwips(makeLabel(QStringLiteral("Label6"), tr("a ="), linear), 1260, 840, 375, 390);
    text1 = makeText(QStringLiteral("Text1"), defaultText(&analysis::DrawInputs::coefX), linear);
    placeInTwips(text1, 1680, 780, 480, 285);
    placeInTwips(makeLabel(QStringLiteral("Label1"), tr("b ="), linear), 1260, 1260, 375, 390);
    text2 = makeText(QStringLiteral("Text2"), defaultText(&analysis::DrawInputs::coefY), linear);
    placeInTwips(text2, 1680, 1200, 480, 285);

    auto *fixed = makeFrame(QStringLiteral("Frame1_1"), tr(fixedTechnology.frameCaption), client);
    placeInTwips(fixed, 4980, 300, 2955, 1920);
    placeInTwips(makeLabel(QStringLiteral("Label3"), tr(fixedTechnology.formula), fixed), 540, 660,
                 1725, 1050);

    auto *cobbDouglas =
            makeFrame(QStringLiteral("Frame1_2"), tr(cobbDouglasTechnology.frameCaption), client);
    placeInTwips(cobbDouglas, 1860, 2640, 2895, 1860);
    placeInTwips(
            makeLabel(QStringLiteral("Label7"), tr(cobbDouglasTechnology.formula), cobbDouglas),
            600, 360, 1815, 315);
    placeInTwips(makeLabel(QStringLiteral("Label9"), tr("a ="), cobbDouglas), 1080, 780, 375, 390);
    text3 = makeText(QStringLiteral("Text3"), defaultText(&analysis::DrawInputs::cdExpX),
                     cobbDouglas);
    placeInTwips(text3, 1500, 720, 555, 285);
    placeInTwips(makeLabel(QStringLiteral("Label8"), tr("b ="), cobbDouglas), 1080, 1200, 375, 390);
    text4 = makeText(QStringLiteral("Text4"), defaultText(&analysis::DrawInputs::cdExpY),
                     cobbDouglas);
    placeInTwips(text4, 1500, 1140, 555, 285);

    frame1 = { linear, fixed, cobbDouglas };
    // The four boxes share the labels "a =" and "b =": each is named with its technology.
    text1->setAccessibleName(tr("a of perfect substitutes"));
    text2->setAccessibleName(tr("b of perfect substitutes"));
    text3->setAccessibleName(tr("a of Cobb-Douglas"));
    text4->setAccessibleName(tr("b of Cobb-Douglas"));
    boxes = { { text1, &analysis::DrawInputs::coefX },
              { text2, &analysis::DrawInputs::coefY },
              { text3, &analysis::DrawInputs::cdExpX },
              { text4, &analysis::DrawInputs::cdExpY } };
    for (QLineEdit *text : { text1, text2, text3, text4 })
        connect(text, &QLineEdit::textChanged, this, &IsoquantParametersWindow::parametersChanged);

    command1 = makeButton(QStringLiteral("Command1"), tr("Restore defaults"), client);
    placeInTwips(command1, 3960, 5100, 1950, 735);
    connect(command1, &QPushButton::clicked, this, &IsoquantParametersWindow::command1Clicked);
    finishLayout(client);
}

void IsoquantParametersWindow::enableFrameOf(analysis::TechnologyType technology)
{
    const auto all = analysis::technologies();
    for (std::size_t i = 0; i < frame1.size(); ++i)
        frame1[i]->setEnabled(all[i].type == technology);
}

void IsoquantParametersWindow::readParameters(analysis::DrawInputs &inputs) const
{
    for (const auto &[box, field] : boxes)
        inputs.*field = box->text().toStdString();
}

void IsoquantParametersWindow::command1Clicked()
{
    // Resets the texts of the technology selected in the main window now, whichever frame is
    // enabled; the other texts and the frame states stay.
    const analysis::TechnologyEntry *technology = analysis::findTechnology(selectedTechnology());
    if (!technology)
        return;
    for (const analysis::InputBox parameter : technology->parameters) {
        for (const auto &[box, field] : boxes) {
            if (field == analysis::textOf(parameter))
                box->setText(defaultText(field));
        }
    }
}
