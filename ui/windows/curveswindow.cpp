#include "curveswindow.h"

#include "ui/accessibility.h"
#include "ui/chart/curveplot.h"
#include "ui/results/exportcommands.h"
#include "ui/windowlook.h"

#include <QAction>
#include <QBoxLayout>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace {

/// The design's client area, in device-independent pixels at 100 %: the caption above the two
/// charts, each curvePlotDesignSize(), with these margins and gaps.
constexpr QSize designClient(760, 456);
constexpr int designMargin = 8, designCaptionTop = 6, designCaptionHeight = 19,
              designCaptionGap = 5, designChartGap = 8;

} // namespace

CurvesWindow::CurvesWindow(const QString &objectName, const QString &title, const QString &fileName,
                           Charts charts, std::function<analysis::DrawInputs()> inputs,
                           QWidget *parent)
    : QMainWindow(parent, Qt::Window),
      fileName(fileName),
      charts(std::move(charts)),
      inputs(std::move(inputs))
{
    setObjectName(objectName);
    setWindowTitle(title);

    mnuexportchart = addExportChartMenu(this, [this] { return chartPicture(); });

    client = new QWidget(this);
    client->setFont(controlFont());
    setCentralWidget(client);
    auto *rows = new QVBoxLayout(client);
    label1 = makeLabel(QStringLiteral("Label1"), QString(), client);
    rows->addWidget(label1);
    auto *side = new QHBoxLayout;
    picture1 = new CurvePlot(client);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture2 = new CurvePlot(client);
    picture2->setObjectName(QStringLiteral("Picture2"));
    side->addWidget(picture1, 1);
    side->addWidget(picture2, 1);
    rows->addLayout(side, 1);
    finishLayout(client);
    closeOnEscape(this);
    zoomed(zoomFactor());
    connect(zoomNotifier(), &ZoomNotifier::zoomChanged, this, &CurvesWindow::zoomed);
}

void CurvesWindow::zoomed(double factor)
{
    // The design's places scaled: the window is at least the design's size at this zoom, and
    // grows to it when smaller.
    const auto scaled = [factor](int pixels) { return qRound(pixels * factor); };
    auto *rows = static_cast<QVBoxLayout *>(client->layout());
    rows->setContentsMargins(scaled(designMargin), scaled(designCaptionTop), scaled(designMargin),
                             scaled(designMargin));
    rows->setSpacing(scaled(designCaptionGap));
    static_cast<QHBoxLayout *>(rows->itemAt(1)->layout())->setSpacing(scaled(designChartGap));
    label1->setMinimumHeight(scaled(designCaptionHeight));
    const QSize chart = curvePlotDesignSize() * factor;
    picture1->setMinimumSize(chart);
    picture2->setMinimumSize(chart);
    client->setMinimumSize(designClient * factor);
    scaleCaption();
}

void CurvesWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    scaleCaption();
}

void CurvesWindow::scaleCaption()
{
    // The caption grows with the window as the charts' texts do: the window's client size, not
    // the charts', sets it, so that its height cannot change its own size.
    const double scale = std::clamp(std::min(client->width() / double(designClient.width()),
                                             client->height() / double(designClient.height())),
                                    zoomFactor(), 6.0);
    QFont font = controlFont(scale);
    if (label1->font() != font)
        label1->setFont(font);
}

void CurvesWindow::inputsChanged()
{
    stale = true;
    if (isVisible())
        refresh();
}

void CurvesWindow::showEvent(QShowEvent *event)
{
    if (stale)
        refresh();
    QMainWindow::showEvent(event);
}

void CurvesWindow::refresh()
{
    shown = charts(inputs());
    stale = false;
    const bool drawn = shown.outOfRange.empty() && shown.charts.size() == 2;
    label1->setText(QString::fromStdString(drawn ? shown.caption : shown.outOfRange));
    picture1->setVisible(drawn);
    picture2->setVisible(drawn);
    mnuexportchart->setEnabled(drawn);
    if (!drawn)
        return;
    picture1->setChart(shown.charts[0]);
    picture2->setChart(shown.charts[1]);
}

ChartPicture CurvesWindow::chartPicture() const
{
    // The caption and the two charts as the window lays them out at 100 %; a caption too long
    // for one line wraps, and the charts move down.
    const analysis::CurveCharts charts = shown;
    const QString caption = QString::fromStdString(charts.caption);
    const QFont captionFont = exportTextFont();
    const qreal captionWidth = designClient.width() - 2 * designMargin;
    const qreal captionHeight = std::max<qreal>(
            designCaptionHeight,
            QFontMetricsF(captionFont)
                    .boundingRect(QRectF(0, 0, captionWidth, 1e6), Qt::TextWordWrap, caption)
                    .height());
    const qreal chartTop = designCaptionTop + captionHeight + designCaptionGap;
    const QSizeF chartSize = curvePlotDesignSize();
    const QRectF captionArea(designMargin, designCaptionTop, captionWidth, captionHeight);
    const QRectF first(QPointF(designMargin, chartTop), chartSize);
    const QRectF second(QPointF(first.right() + designChartGap, chartTop), chartSize);

    ChartPicture picture;
    picture.size = QSizeF(designClient.width(), second.bottom() + designMargin);
    picture.plotArea = first;
    picture.title = windowTitle();
    picture.fileName = fileName;
    std::vector<PlacedChart> placed;
    if (charts.charts.size() == 2)
        placed = { { first, { charts.charts[0], {}, {} } },
                   { second, { charts.charts[1], {}, {} } } };
    picture.paint = [placed, caption, captionArea](QPainter &painter, const QRectF &target,
                                                   qreal penScale, qreal textScale) {
        paintExportedCharts(painter, target, penScale, textScale, placed, caption, captionArea);
    };
    return picture;
}
