#pragma once

#include "ui/chart/chartexport.h"

#include "analysis/figure.h"

#include <QMainWindow>

#include <vector>

QT_BEGIN_NAMESPACE
class QAction;
class QMenu;
class QPrinter;
QT_END_NAMESPACE

class FigurePlot;
class ResultLog;

/// "Figure of the Draws" (FormFigure): every Draw since the last Clear that wrote a result,
/// drawn exactly and large, for a projector; resizable up to the whole screen. It follows the
/// results log at every Draw and Clear: at once while shown, at its next showing or export while
/// hidden. Made at its first use, hidden rather than destroyed when closed.
class FigureWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// `log` is the main window's: the Draws it holds are the figure's.
    explicit FigureWindow(const ResultLog &log, QWidget *parent = nullptr);

    /// A Draw has added to the log: the figure follows it now when shown, otherwise when next
    /// shown or exported.
    void drawsChanged();
    /// The log has been cleared: likewise.
    void drawsCleared();
    /// The figure as it stands, up to date with the log.
    const analysis::Figure &figure();
    /// The figure with its title and legend as export, print and copy see it, dark on white.
    ChartPicture figurePicture();
    /// Prints the figure on `printer`, already set up; false, after a message box, when it
    /// failed.
    bool printOn(QPrinter &printer);
    /// Puts the figure on the clipboard as an image.
    void copyFigure();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void bringUpToDate();
    void rebuild();
    void showFigure();

    const ResultLog &log;
    analysis::FigureRange range = analysis::FigureRange::Default;
    std::vector<analysis::NumberedResult> draws; ///< the log's rows the figure holds
    analysis::Figure shown;
    bool stale = true; ///< the log may have changed since `shown` was computed
    bool cleared = false; ///< and it was cleared since, so that nothing of `shown` holds
    FigurePlot *picture1 = nullptr;
    QMenu *mnufile = nullptr;
    QMenu *mnuedit = nullptr;
    QMenu *mnuview = nullptr;
    QAction *mnuexportchart = nullptr;
    QAction *mnuprint = nullptr;
    QAction *mnucopyfigure = nullptr;
    QAction *mnufit = nullptr;
    QAction *mnufullscreen = nullptr;
};
