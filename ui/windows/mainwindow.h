#pragma once

#include "analysis/draw.h"
#include "ui/chart/chartexport.h"
#include "ui/results/resultlog.h"

#include <QMainWindow>
#include <QUrl>

#include <array>
#include <cstdint>
#include <memory>
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
class QRadioButton;
QT_END_NAMESPACE

class CurvesWindow;
class ExportCommands;
class GeneralParametersWindow;
class IsoquantParametersWindow;
class PlotSurface;

/// "Elements of the neoclassical theory of production" (Form1): the inputs, the chart, the
/// result texts and the menus. Owns both parameter windows for the whole run.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The application's title, shown as the About box's caption.
    static QString applicationTitle();
    /// The folder of the help pages, as a file URL ending in "/", found from the executable.
    static QUrl helpBaseUrl();

    /// The zoom steps of the View menu, in percent.
    static constexpr std::array<int, 8> zoomSteps{ 100, 125, 150, 175, 200, 250, 300, 400 };
    /// Zooms every window of the program to `percent`, one of zoomSteps (others are ignored),
    /// whether or not it fits the screen; saves nothing.
    void setZoomPercent(int percent);
    int zoomPercent() const { return zoom; }

    IsoquantParametersWindow *isoquantParameters() const { return form4.get(); }
    GeneralParametersWindow *generalParameters() const { return form5.get(); }
    CurvesWindow *costCurves() const { return formCostCurves.get(); }
    CurvesWindow *inputDemand() const { return formInputDemand.get(); }
    /// The texts and flags of the controls that a Draw reads, as they stand now.
    analysis::DrawInputs drawInputs() const;
    /// Export, print and copy of the chart and the results.
    ExportCommands *exportCommands() const { return exporter; }
    /// The Draws since the last Clear that wrote a result line.
    const ResultLog &resultLog() const { return results; }
    /// The technology found by the latest Draw.
    std::int16_t technologyType = 0;

signals:
    /// A control that a Draw reads has changed: a text, the technology, the short period or
    /// a parameter of the isoquants.
    void drawInputsChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
    void createStatusLine();
    void fitStatusMessage();
    void nameForAccessibility();
    void reportDraw(const analysis::DrawOutcome &outcome, const QString &slopeBefore,
                    const QString &averageBefore);
    void updateTabOrder();
    analysis::TechnologyType selectedTechnology() const;
    enum class CaptionChange { Set, Append, Show };
    void apply(const analysis::Effect &effect);
    void changeResult(analysis::ResultLabel label, CaptionChange change, const QString &text);
    ChartPicture chartPicture() const;

    void restoreView();
    void showScale(bool on);
    bool fitsScreen(int percent) const;
    void chooseZoom(int percent);
    void zoomIn();
    void zoomOut();
    void zoomReset();

    void command1Clicked();
    void clearResults();
    void mnushortTriggered();
    void mnupreferencesTriggered();
    void mnucostcurvesTriggered();
    void mnuinputdemandTriggered();
    void mnugenparamTriggered();
    void mnuhowTriggered();
    void mnuglossaryTriggered();
    void mnuaboutTriggered();
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
    QPlainTextEdit *label4 = nullptr;
    QLineEdit *text1 = nullptr;
    QLineEdit *text2 = nullptr;
    QLineEdit *text3 = nullptr;
    QLineEdit *text4 = nullptr;
    QPushButton *command1 = nullptr;
    QPushButton *command2 = nullptr;
    QGroupBox *frame1 = nullptr;
    QButtonGroup *option1 = nullptr; ///< ids are the TechnologyType values, 1, 2, 3, ...
    PlotSurface *picture1 = nullptr;

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
    QAction *mnuzoomin = nullptr;
    QAction *mnuzoomout = nullptr;
    QAction *mnuzoomreset = nullptr;
    QAction *mnuscale = nullptr;
    QAction *mnuhow = nullptr;
    QAction *mnuglossary = nullptr;
    QAction *mnuabout = nullptr;

    int zoom = 100; ///< percent, one of zoomSteps
    ResultLog results; ///< the Draws since the last Clear that wrote a result line
    ExportCommands *exporter = nullptr;
    QLabel *statusMessage = nullptr; ///< the status line's text, one message per Draw
    int drawsShown = 0; ///< Draws that drew on the chart since the last Clear
    std::optional<analysis::ResultRecord> latestResult; ///< of the latest Draw that wrote one

    std::unique_ptr<GeneralParametersWindow> form5;
    std::unique_ptr<IsoquantParametersWindow> form4;
    std::unique_ptr<CurvesWindow> formCostCurves;
    std::unique_ptr<CurvesWindow> formInputDemand;
};
