#pragma once

#include "analysis/draw.h"

#include <QMainWindow>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace analysis {
struct ParameterBox;
}

QT_BEGIN_NAMESPACE
class QAction;
class QGroupBox;
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

/// "Parametres of the isoquants" (Form4): the parameter texts of the technologies, read by every
/// Draw whether this window is shown or hidden.
class IsoquantParametersWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// `selectedTechnology` tells which technology the main window has selected right now.
    explicit IsoquantParametersWindow(std::function<analysis::TechnologyType()> selectedTechnology,
                                      QWidget *parent = nullptr);

    /// Enables the frame of `technology` and disables the others.
    void enableFrameOf(analysis::TechnologyType technology);
    /// Copies the parameter texts into the inputs of a Draw.
    void readParameters(analysis::DrawInputs &inputs) const;

signals:
    /// Any of the parameter texts has changed.
    void parametersChanged();

private:
    void command1Clicked();

    std::function<analysis::TechnologyType()> selectedTechnology;
    std::vector<QGroupBox *> frame1; ///< in the order of analysis::technologies()
    /// Each parameter box (Text1, Text2, ...) and the table's box it shows.
    std::vector<std::pair<QLineEdit *, const analysis::ParameterBox *>> boxes;
    QPushButton *command1 = nullptr;
    QAction *mnuexit4 = nullptr;
};
