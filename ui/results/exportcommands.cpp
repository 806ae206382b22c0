#include "exportcommands.h"

#include "ui/results/resultlog.h"
#include "ui/windowlook.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr qreal titlePoints = 14;
constexpr qreal textPoints = 9;
constexpr qreal smallestTextPoints = 5;
/// The chart keeps at least this share of the page's height, however long the text.
constexpr qreal chartShareAtLeast = 0.45;

QFont pageFont(qreal points, bool bold, QPaintDevice *device)
{
    QFont font(unzoomedApplicationFont(), device);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

/// Where the latest export went, offered again by the next one, from any window.
QString &exportFolder()
{
    static QString folder = [] {
        const QString documents =
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QFileInfo(documents).isDir() ? documents : QDir::homePath();
    }();
    return folder;
}

/// Asks for a file to write; empty when the user cancelled. Sets `filterIndex` to the chosen
/// filter.
QString askForFile(QWidget *parent, const QString &caption, const QString &name,
                   const QStringList &filters, int *filterIndex)
{
    QFileDialog dialog(parent, caption, QDir(exportFolder()).filePath(name));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    // A name typed without an extension gets the chosen filter's, before the dialog asks
    // whether to replace an existing file of that name. The filter chosen at first is the
    // proposed name's.
    const auto suffixOf = [](const QString &filter) {
        const qsizetype star = filter.indexOf(QStringLiteral("*."));
        return filter.mid(star + 2).chopped(1);
    };
    QString first = filters.value(0);
    for (const QString &filter : filters)
        if (suffixOf(filter).compare(QFileInfo(name).suffix(), Qt::CaseInsensitive) == 0)
            first = filter;
    dialog.selectNameFilter(first);
    dialog.setDefaultSuffix(suffixOf(first));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffixOf](const QString &filter) {
                         dialog.setDefaultSuffix(suffixOf(filter));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    *filterIndex = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    const QString path = dialog.selectedFiles().constFirst();
    exportFolder() = QFileInfo(path).absolutePath();
    return path;
}

/// True for an empty `reason`; otherwise shows it in a message box naming the file.
bool reportFailure(QWidget *parent, const QString &path, const QString &reason)
{
    if (reason.isEmpty())
        return true;
    QMessageBox::warning(parent, parent->window()->windowTitle(),
                         ExportCommands::tr("The file \"%1\" could not be written.\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), reason));
    return false;
}

} // namespace

bool exportChartTo(QWidget *parent, const ChartPicture &picture, const QString &path,
                   ChartFormat format)
{
    return reportFailure(parent, path, exportChart(picture, path, format));
}

void exportChartWithDialog(QWidget *parent, const ChartPicture &picture)
{
    int filter = 0;
    const QString name =
            picture.fileName.isEmpty() ? QStringLiteral("chart.png") : picture.fileName;
    const QString path = askForFile(parent, ExportCommands::tr("Export Chart"), name,
                                    chartFormatFilters(), &filter);
    // A typed extension chooses the format; otherwise the chosen filter does.
    if (!path.isEmpty())
        exportChartTo(parent, picture, path, chartFormatOfPath(path).value_or(ChartFormat(filter)));
}

QAction *addExportChartMenu(QMainWindow *window, std::function<ChartPicture()> picture)
{
    QMenu *mnufile = window->menuBar()->addMenu(ExportCommands::tr("&File"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    QAction *mnuexportchart = mnufile->addAction(ExportCommands::tr("&Export Chart..."));
    mnuexportchart->setObjectName(QStringLiteral("mnuexportchart"));
    QObject::connect(
            mnuexportchart, &QAction::triggered, window,
            [window, picture = std::move(picture)] { exportChartWithDialog(window, picture()); });
    return mnuexportchart;
}

bool printPage(QPrinter &printer, const PrintedPage &page)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF area(0, 0, printer.width(), printer.height());

    const QFont titleFont = pageFont(titlePoints, true, &printer);
    const qreal titleHeight = QFontMetricsF(titleFont).lineSpacing() * 1.5;
    painter.setFont(titleFont);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignTop, page.title);

    QStringList text = page.resultLines;
    if (!page.technologies.isEmpty()) {
        text << QString() << ExportCommands::tr("Technologies used:");
        for (const QString &technology : page.technologies)
            text << QStringLiteral("  ") + technology;
    }

    // The text takes what it needs below the chart, shrinking its font down to a smallest size;
    // beyond that the oldest result lines give way to a note saying how many.
    const qreal room = area.height() - titleHeight;
    const qreal textRoom = room * (1 - chartShareAtLeast);
    qreal points = textPoints;
    QFont textFont = pageFont(points, false, &printer);
    while (points > smallestTextPoints
           && QFontMetricsF(textFont).lineSpacing() * (text.size() + 1) > textRoom) {
        points = std::max(smallestTextPoints, points - 0.5);
        textFont = pageFont(points, false, &printer);
    }
    const qreal lineHeight = QFontMetricsF(textFont).lineSpacing();
    const qsizetype fitting = qsizetype(textRoom / lineHeight) - 1;
    if (text.size() > fitting && fitting > 1) {
        const qsizetype dropped = text.size() - fitting + 1;
        text = text.mid(std::min(dropped, page.resultLines.size()));
        text.prepend(
                ExportCommands::tr("(%n earlier result line(s) not shown)", nullptr, int(dropped)));
    }
    const qreal textHeight = lineHeight * (text.size() + 1);

    // The chart: as large as the page allows above the text, in the picture's proportions.
    const QSizeF picture = page.chart.size.isEmpty() ? QSizeF(1, 1) : page.chart.size;
    const qreal chartRoom = room - textHeight;
    const qreal scale = std::min(area.width() / picture.width(), chartRoom / picture.height());
    const QSizeF chartSize = picture * std::max(scale, 0.0);
    const QRectF chartRect(area.left() + (area.width() - chartSize.width()) / 2,
                           area.top() + titleHeight, chartSize.width(), chartSize.height());
    if (page.chart.paint && !chartRect.isEmpty()) {
        // The chart's letters and numbers as large as the results' text, not as the chart: 8.25
        // points on screen, at most a fifth larger than the text.
        const qreal textPixels = points * printer.logicalDpiY() / 72;
        const qreal onScreenPixels = 11;
        painter.save();
        page.chart.paint(painter, chartRect, scale,
                         std::min(scale, 1.2 * textPixels / onScreenPixels));
        painter.restore();
    }

    painter.setFont(textFont);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(textFont);
    qreal y = chartRect.bottom() + lineHeight;
    for (const QString &line : text) {
        painter.drawText(QPointF(area.left(), y + metrics.ascent()),
                         metrics.elidedText(line, Qt::ElideRight, area.width()));
        y += lineHeight;
    }
    return painter.end();
}

ExportCommands::ExportCommands(QWidget *window, std::function<ChartPicture()> chart,
                               const ResultLog &log)
    : QObject(window), window(window), chart(std::move(chart)), log(log)
{
    setObjectName(QStringLiteral("ExportCommands"));
    const auto action = [this](const QString &name, const QString &caption, auto slot) {
        auto *created = new QAction(caption, this);
        created->setObjectName(name);
        connect(created, &QAction::triggered, this, slot);
        return created;
    };
    mnuexportchart = action(QStringLiteral("mnuexportchart"), tr("&Export Chart..."),
                            &ExportCommands::exportChart);
    mnuexportresults = action(QStringLiteral("mnuexportresults"), tr("Export &Results..."),
                              &ExportCommands::exportResults);
    mnuprint = action(QStringLiteral("mnuprint"), tr("&Print..."), &ExportCommands::print);
    mnuprint->setShortcut(QKeySequence::Print);
    mnucopyresults = action(QStringLiteral("mnucopyresults"), tr("&Copy Results"),
                            &ExportCommands::copyResults);
    mnucopyresults->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
}

bool ExportCommands::exportChartTo(const QString &path, ChartFormat format)
{
    return ::exportChartTo(window, chart(), path, format);
}

bool ExportCommands::exportResultsTo(const QString &path)
{
    return reportFailure(window, path, saveWhole(path, toCsv(log.table())));
}

bool printPageOn(QWidget *parent, QPrinter &printer, const PrintedPage &page)
{
    if (printPage(printer, page))
        return true;
    // The print system gives no reason; for a file, opening it tells the system's.
    const QString file = printer.outputFileName();
    QString reason = ExportCommands::tr("The print system gave no reason.");
    if (!file.isEmpty()) {
        QFile probe(file);
        const bool existed = probe.exists();
        if (!probe.open(QIODevice::Append))
            reason = probe.errorString();
        else if (!existed)
            probe.remove();
    }
    QMessageBox::warning(
            parent, parent->window()->windowTitle(),
            ExportCommands::tr("The page could not be printed to \"%1\".\n\n%2")
                    .arg(file.isEmpty() ? printer.printerName() : QDir::toNativeSeparators(file),
                         reason));
    return false;
}

void printWithDialog(QWidget *parent, const std::function<bool(QPrinter &)> &printOn)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(parent->window()->windowTitle());
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        printOn(printer);
}

bool ExportCommands::printOn(QPrinter &printer)
{
    return printPageOn(
            window, printer,
            { window->windowTitle(), chart(), log.resultLines(), log.technologiesUsed(QLocale()) });
}

void ExportCommands::copyResults()
{
    QGuiApplication::clipboard()->setMimeData(tableMimeData(log.table(), QLocale()));
}

void ExportCommands::exportChart()
{
    exportChartWithDialog(window, chart());
}

void ExportCommands::exportResults()
{
    int filter = 0;
    const QString path = askForFile(window, tr("Export Results"), QStringLiteral("results.csv"),
                                    { tr("CSV table (*.csv)") }, &filter);
    if (!path.isEmpty())
        exportResultsTo(path);
}

void ExportCommands::print()
{
    printWithDialog(window, [this](QPrinter &printer) { return printOn(printer); });
}
