#include "generalparameterswindow.h"

#include "ui/windowlook.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

GeneralParametersWindow::GeneralParametersWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("General parametres"));
    setFont(controlFont());
    // Large enough for the frame and the button, with the design's margins around them.
    setFixedSize(fromTwips(0, 0, 8100, 4200).size());

    frame1 = makeFrame(QStringLiteral("Frame1"), tr("Computer category"), this);
    placeInTwips(frame1, 1305, 2475, 2985, 1320);
    option1 = new QRadioButton(tr("Fast computer"), frame1);
    option1->setObjectName(QStringLiteral("Option1"));
    placeInTwips(option1, 405, 360, 1590, 330);
    option2 = new QRadioButton(tr("Slow computer"), frame1);
    option2->setObjectName(QStringLiteral("Option2"));
    placeInTwips(option2, 405, 855, 1860, 330);
    category = new QButtonGroup(this);
    category->addButton(option1);
    category->addButton(option2);
    option1->setChecked(true);

    command1 = makeButton(QStringLiteral("Command1"), tr("OK - Activate the changes"), this);
    placeInTwips(command1, 4905, 2745, 2760, 780);
    connect(command1, &QPushButton::clicked, this, &GeneralParametersWindow::command1Clicked);
    finishLayout(this);
}

void GeneralParametersWindow::command1Clicked()
{
    emit categoryApplied(option1->isChecked());
    hide();
}
