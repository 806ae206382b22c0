#pragma once

#include "ui/chart/chartexport.h"

#include "analysis/curvecharts.h"

#include <QMainWindow>

#include <functional>

QT_BEGIN_NAMESPACE
class QAction;
class QLabel;
QT_END_NAMESPACE

class CurvePlot;

/// A window of two curve charts computed from the main window's inputs: the cost curves
/// (FormCostCurves) or the input demand curves (FormInputDemand). It follows the inputs while it
/// is shown, zooms with the other windows and exports its charts as the main chart is exported;
/// made at its first use and hidden, not destroyed, when closed. It is resizable from its
/// design's size, at the zoom, up to the whole screen: the charts share it side by side.
class CurvesWindow : public QMainWindow
{
    Q_OBJECT

public:
    using Charts = std::function<analysis::CurveCharts(const analysis::DrawInputs &)>;

    /// `inputs` reads the controls that a Draw reads; `charts` computes what to show from them.
    /// An export is titled `title` and proposes `fileName`.
    CurvesWindow(const QString &objectName, const QString &title, const QString &fileName,
                 Charts charts, std::function<analysis::DrawInputs()> inputs,
                 QWidget *parent = nullptr);

    /// Recomputes and repaints when shown; otherwise on the next show.
    void inputsChanged();
    /// The caption and both charts as export sees them, dark on white.
    ChartPicture chartPicture() const;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refresh();
    void zoomed(double factor);
    void scaleCaption();

    QString fileName;
    Charts charts;
    std::function<analysis::DrawInputs()> inputs;
    bool stale = true;
    analysis::CurveCharts shown; ///< what the window shows now
    QWidget *client = nullptr;
    QLabel *label1 = nullptr; ///< the caption, or the line naming the box out of range
    CurvePlot *picture1 = nullptr;
    CurvePlot *picture2 = nullptr;
    QAction *mnuexportchart = nullptr;
};
