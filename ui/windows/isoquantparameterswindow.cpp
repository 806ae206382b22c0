#include "isoquantparameterswindow.h"

#include "ui/accessibility.h"
#include "ui/windowlook.h"

#include "analysis/technologies.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

/// A text of the table of technologies, translated.
QString technologyText(const char *text)
{
    return QCoreApplication::translate(analysis::technologyTextContext, text);
}

/// Where a frame's controls stand, in twips within the frame.
struct FrameDesign
{
    QRect frame; ///< within the window's client area
    const char *formula; ///< the object name of the formula's label
    QRect formulaPlace;
    /// The first box's label and text; each further box stands `rowStep` lower.
    QRect label, text;
    int rowStep;
    const char *labels[2]; ///< the object names of the boxes' labels, a then b
};

/// The design's three frames, in the order of the technologies: the Linear frame, the Fixed
/// proportions frame (its long formula on several lines), the Cobb-Douglas frame.
constexpr FrameDesign designFrames[] = {
    { QRect(1860, 360, 2895, 1860),
      "Label2",
      QRect(660, 420, 1635, 195),
      QRect(1260, 840, 375, 390),
      QRect(1680, 780, 480, 285),
      420,
      { "Label6", "Label1" } },
    { QRect(4980, 300, 2955, 1920),
      "Label3",
      QRect(540, 660, 1725, 1050),
      QRect(),
      QRect(),
      0,
      { nullptr, nullptr } },
    { QRect(1860, 2640, 2895, 1860),
      "Label7",
      QRect(600, 360, 1815, 315),
      QRect(1080, 780, 375, 390),
      QRect(1500, 720, 555, 285),
      420,
      { "Label9", "Label8" } },
};

/// A frame the design does not have, for a technology beyond its three: laid out as the
/// Cobb-Douglas frame, with room for a longer formula, in the next free place of the 2 x 2 grid
/// the design's frames leave.
FrameDesign laterFrame(std::size_t index)
{
    FrameDesign design = designFrames[2];
    const int place = static_cast<int>(index) - 2; // 1 for the fourth technology
    design.frame.moveTo(place % 2 ? 4980 : 1860, 2640 + (place / 2) * 2280);
    design.formula = nullptr;
    // Room for a formula of two lines, with the boxes below it.
    design.formulaPlace = QRect(150, 300, design.frame.width() - 300, 450);
    design.label.translate(0, 180);
    design.text.translate(0, 180);
    design.labels[0] = design.labels[1] = nullptr;
    return design;
}

QRect inRows(QRect first, int rowStep, std::size_t row)
{
    return first.translated(0, rowStep * static_cast<int>(row));
}

void place(QWidget *widget, const QRect &twips)
{
    placeInTwips(widget, twips.x(), twips.y(), twips.width(), twips.height());
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

    // One frame per technology, with its formula and a box for each of its parameters; the
    // boxes are Text1, Text2, ... across the frames, and their labels keep the design's names.
    int nextLabel = 10; // after the design's Label1 to Label9
    const auto labelName = [&nextLabel](const char *designName) {
        return designName ? QString::fromLatin1(designName)
                          : QStringLiteral("Label%1").arg(nextLabel++);
    };
    const auto all = analysis::technologies();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const analysis::TechnologyEntry &technology = all[i];
        const FrameDesign design = i < std::size(designFrames) ? designFrames[i] : laterFrame(i);
        QGroupBox *frame = makeFrame(QStringLiteral("Frame1_%1").arg(i),
                                     technologyText(technology.frameCaption), client);
        place(frame, design.frame);
        place(makeLabel(labelName(design.formula), technologyText(technology.formula), frame),
              design.formulaPlace);
        for (std::size_t row = 0; row < technology.parameters.size(); ++row) {
            const analysis::ParameterBox &parameter = technology.parameters[row];
            place(makeLabel(labelName(row < 2 ? design.labels[row] : nullptr),
                            technologyText(parameter.label), frame),
                  inRows(design.label, design.rowStep, row));
            QLineEdit *text = makeText(QStringLiteral("Text%1").arg(boxes.size() + 1),
                                       QString::fromStdString(parameter.defaultText()), frame);
            place(text, inRows(design.text, design.rowStep, row));
            // The boxes share the labels "a =" and "b =": each is named with its technology.
            text->setAccessibleName(technologyText(parameter.name));
            connect(text, &QLineEdit::textChanged, this,
                    &IsoquantParametersWindow::parametersChanged);
            boxes.push_back({ text, &parameter });
        }
        frame1.push_back(frame);
    }

    command1 = makeButton(QStringLiteral("Command1"), tr("Restore defaults"), client);
    placeInTwips(command1, 3960, 5100, 1950, 735);
    connect(command1, &QPushButton::clicked, this, &IsoquantParametersWindow::command1Clicked);
    finishLayout(client);
    closeOnEscape(this);
}

void IsoquantParametersWindow::enableFrameOf(analysis::TechnologyType technology)
{
    const auto all = analysis::technologies();
    for (std::size_t i = 0; i < frame1.size(); ++i)
        frame1[i]->setEnabled(all[i].type == technology);
}

void IsoquantParametersWindow::readParameters(analysis::DrawInputs &inputs) const
{
    for (const auto &[box, parameter] : boxes)
        inputs.*parameter->text = box->text().toStdString();
}

void IsoquantParametersWindow::command1Clicked()
{
    // Resets the texts of the technology selected in the main window now, whichever frame is
    // enabled; the other texts and the frame states stay.
    const analysis::TechnologyEntry *technology = analysis::findTechnology(selectedTechnology());
    if (!technology)
        return;
    for (const analysis::ParameterBox &parameter : technology->parameters) {
        for (const auto &[box, ofBox] : boxes) {
            if (ofBox == &parameter)
                box->setText(QString::fromStdString(parameter.defaultText()));
        }
    }
}
