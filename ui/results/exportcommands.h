#pragma once

#include "ui/chart/chartexport.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

QT_BEGIN_NAMESPACE
class QAction;
class QMainWindow;
class QPrinter;
class QWidget;
QT_END_NAMESPACE

class ResultLog;

/// What a printed page shows.
struct PrintedPage
{
    QString title;
    ChartPicture chart;
    QStringList resultLines; ///< the results list, oldest first
    QStringList technologies; ///< each technology used, with its parameters
};

/// Lays out `page` on one page of `printer`: the title, the chart as large as the page allows
/// above the text, the results list and the technologies used. Fonts shrink, and the oldest
/// results give way, when the text would not fit. False when the printer could not be started.
bool printPage(QPrinter &printer, const PrintedPage &page);

/// Prints `page` on `printer`, already set up; false, after a message box over `parent` naming
/// the printer or file and the reason, when it failed.
bool printPageOn(QWidget *parent, QPrinter &printer, const PrintedPage &page);

/// Asks for a printer with the print dialog, then lets `printOn` print on it.
void printWithDialog(QWidget *parent, const std::function<bool(QPrinter &)> &printOn);

/// Writes `picture` to `path` in `format`; false, after a message box over `parent` naming the
/// file and the system's reason, when it failed. For any window that shows a chart.
bool exportChartTo(QWidget *parent, const ChartPicture &picture, const QString &path,
                   ChartFormat format);

/// Asks for a file with the save dialog (PNG, SVG or PDF; a typed extension chooses, otherwise
/// the chosen filter) and exports `picture` there. The dialog opens where the latest export went
/// and proposes the picture's file name.
void exportChartWithDialog(QWidget *parent, const ChartPicture &picture);

/// Gives a window of charts its "File" menu (mnufile) with "Export Chart..." (mnuexportchart),
/// which exports the picture `picture` makes at the time, with the save dialog.
QAction *addExportChartMenu(QMainWindow *window, std::function<ChartPicture()> picture);

/// The main window's commands that take figures and tables out of the program: export of the
/// chart and of the results, printing, and copying the results to the clipboard. Each command
/// has a form that takes a path or a printer, for tests and scripts; a failed file operation
/// shows a message box naming the file and the system's reason.
class ExportCommands : public QObject
{
    Q_OBJECT

public:
    /// `window` is the dialogs' parent; `chart` and `log` give what is taken out, as it stands
    /// when a command runs: the results, their lines included, come from the log alone.
    ExportCommands(QWidget *window, std::function<ChartPicture()> chart, const ResultLog &log);

    QAction *exportChartAction() const { return mnuexportchart; }
    QAction *exportResultsAction() const { return mnuexportresults; }
    QAction *printAction() const { return mnuprint; }
    QAction *copyResultsAction() const { return mnucopyresults; }

    /// The chart as it stands.
    ChartPicture chartPicture() const { return chart(); }
    /// Writes the chart to `path` in `format`; false, after the message box, when it failed.
    bool exportChartTo(const QString &path, ChartFormat format);
    /// Writes the results to `path` as CSV; false, after the message box, when it failed.
    bool exportResultsTo(const QString &path);
    /// Prints one page on `printer`, already set up; false, after the message box, when it
    /// failed.
    bool printOn(QPrinter &printer);
    /// Puts the results on the clipboard: tab-separated text and an HTML table.
    void copyResults();

private:
    void exportChart();
    void exportResults();
    void print();

    QWidget *window;
    std::function<ChartPicture()> chart;
    const ResultLog &log;
    QAction *mnuexportchart = nullptr;
    QAction *mnuexportresults = nullptr;
    QAction *mnuprint = nullptr;
    QAction *mnucopyresults = nullptr;
};
