#pragma once

#include "analysis/draw.h"
#include "ui/results/resultlog.h"

#include <QMainWindow>

#include <cstdint>
#include <optional>

QT_BEGIN_NAMESPACE
class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
QT_END_NAMESPACE

namespace analysis {
struct CurveCharts;
} // namespace analysis

class CurvesWindow;
class ExportCommands;
class FigureWindow;
class GeneralParametersWindow;
class IsoquantParametersWindow;
class PlotSurface;
class StatusLine;
class ViewSettings;

/// "Elements of the neoclassical theory of production" (Form1): the inputs, the chart, the
/// result texts and the menus. The other windows are its children: made hidden (the curves
/// windows at their first use), hidden rather than destroyed when closed, and ended with it.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    /// The application's title, shown as the About box's caption.
    static QString applicationTitle();

    IsoquantParametersWindow *isoquantParameters() const { return form4; }
    GeneralParametersWindow *generalParameters() const { return form5; }
    /// The curves windows, made the first time they are asked for.
    CurvesWindow *costCurves();
    CurvesWindow *inputDemand();
    /// The figure of the Draws, made the first time it is asked for.
    FigureWindow *figure();
    /// The texts and flags of the controls that a Draw reads, as they stand now.
    analysis::DrawInputs drawInputs() const;
    /// Export, print and copy of the chart and the results.
    ExportCommands *exportCommands() const { return exporter; }
    /// The View menu's zoom and "Show Scale", and the settings kept between runs.
    ViewSettings *viewSettings() const { return view; }
    /// The Draws since the last Clear that wrote a result line.
    const ResultLog &resultLog() const { return results; }
    /// The technology found by the latest Draw.
    std::int16_t technologyType = 0;

signals:
    /// A control that a Draw reads has changed: a text, the technology, the short period or
    /// a parameter of the isoquants.
    void drawInputsChanged();

private:
    void createControls();
    void createMenus();
    void nameForAccessibility();
    void reportDraw(const analysis::DrawOutcome &outcome);
    void updateTabOrder();
    analysis::TechnologyType selectedTechnology() const;
    void apply(const analysis::Effect &effect);
    /// The control showing `label`: a QLabel, or the results list.
    QWidget *resultText(analysis::ResultLabel label) const;
    using CurveChartsOf = analysis::CurveCharts (*)(const analysis::DrawInputs &);
    CurvesWindow *makeCurvesWindow(const QString &objectName, const QString &title,
                                   const QString &fileName, CurveChartsOf charts);

    void command1Clicked();
    void clearResults();
    void categoryApplied(bool fastComputer);

    QLabel *label1 = nullptr;
    QLabel *label2 = nullptr;
    QLabel *label3 = nullptr;
    QLabel *label5 = nullptr;
    QLabel *label6 = nullptr;
    QLabel *label7 = nullptr;
    QLabel *label8 = nullptr;
    QLabel *label9 = nullptr;
    QLabel *label10 = nullptr;
    QPlainTextEdit *label4 = nullptr; ///< the results list
    QLineEdit *text1 = nullptr;
    QLineEdit *text2 = nullptr;
    QLineEdit *text3 = nullptr;
    QLineEdit *text4 = nullptr;
    QPushButton *command1 = nullptr;
    QPushButton *command2 = nullptr;
    QGroupBox *frame1 = nullptr;
    QButtonGroup *option1 = nullptr; ///< ids are the TechnologyType values, 1, 2, 3, ...
    PlotSurface *picture1 = nullptr;
    StatusLine *statusLine = nullptr;

    QMenu *mnufile = nullptr;
    QMenu *mnuedit = nullptr;
    QMenu *mnuparametres = nullptr;
    QMenu *mnuderived = nullptr;
    QMenu *mnuview = nullptr;
    QMenu *mnuhelp = nullptr;
    QAction *mnuexit = nullptr;
    QAction *mnugenparam = nullptr;
    QAction *mnupreferences = nullptr;
    QAction *mnushort = nullptr;
    QAction *mnucostcurves = nullptr;
    QAction *mnuinputdemand = nullptr;
    QAction *mnufigure = nullptr;

    ResultLog results; ///< the Draws since the last Clear that wrote a result line
    ExportCommands *exporter = nullptr;
    ViewSettings *view = nullptr;
    int drawsShown = 0; ///< Draws that drew on the chart since the last Clear
    std::optional<analysis::ResultRecord> latestResult; ///< of the latest Draw that wrote one

    GeneralParametersWindow *form5 = nullptr;
    IsoquantParametersWindow *form4 = nullptr;
    CurvesWindow *formCostCurves = nullptr;
    CurvesWindow *formInputDemand = nullptr;
    FigureWindow *formFigure = nullptr;
};
