#pragma once

#include "analysis/consumercharts.h"
#include "analysis/curvecharts.h"

#include <QRectF>
#include <QWidget>

#include <vector>

QT_BEGIN_NAMESPACE
class QPainter;
QT_END_NAMESPACE

/// Paints `chart` into `area`: its title, the axes with their numeric scales and titles, the
/// curves in their colours and line styles, the marker of the current level or price, and a
/// legend under the axes. Lines, marks and spaces are `scale` times their size at 100 %; the
/// texts take the painter's font. The one painting function of a curve chart, for any device.
void paintCurveChart(QPainter &painter, const QRect &area, const analysis::CurveChart &chart,
                     const QPalette &palette, double scale = 1);

/// Paints a consumer window's chart as paintCurveChart() does, with its labelled points and,
/// under the X axis, the arrows of the effects on X.
void paintConsumerChart(QPainter &painter, const QRect &area, const analysis::ConsumerChart &chart,
                        const QPalette &palette, double scale = 1);

/// A chart of a window's export and where it lies in the export's picture at 100 %, in
/// device-independent pixels.
struct PlacedChart
{
    QRectF area;
    analysis::ConsumerChart chart;
};

/// The font of an exported window's texts: the controls' 8.25 points on screen, `textScale`
/// times.
QFont exportTextFont(qreal textScale = 1);

/// Paints a window's charts and a text as its export shows them, dark on white, into `target`:
/// places at 100 % scaled by `penScale`, letters by `textScale`.
void paintExportedCharts(QPainter &painter, const QRectF &target, qreal penScale, qreal textScale,
                         const std::vector<PlacedChart> &charts, const QString &text,
                         const QRectF &textArea);

/// A curves window's chart at the design's size, in device-independent pixels at 100 %.
constexpr QSize curvePlotDesignSize()
{
    return { 368, 418 };
}

/// The scale of a curve chart's text, lines and marks at `size` and the program's `zoom`: the
/// zoom at the design's size, and in proportion to the smaller side beyond it.
double curvePlotScale(const QSize &size, double zoom);

/// What `chart` shows at its marker, for screen readers: its title, where the marker stands and
/// each curve's value there, named as the legend names it.
QString describeCurveChart(const analysis::CurveChart &chart);

/// What a consumer window's chart shows, for screen readers: its title, each labelled basket
/// and each effect's arrow; without labelled points, as describeCurveChart() says it.
QString describeConsumerChart(const analysis::ConsumerChart &chart);

/// One chart of a curves or consumer window, repainted whole from its chart on every paint. It
/// takes the keyboard focus, and screen readers hear it as a graphic named by the chart's title
/// and described by describeConsumerChart().
class CurvePlot : public QWidget
{
    Q_OBJECT

public:
    explicit CurvePlot(QWidget *parent = nullptr);

    /// Shows `chart` from the next paint on, and describes it.
    void setChart(analysis::CurveChart chart);
    /// Shows a consumer window's chart, with its points and arrows.
    void setChart(analysis::ConsumerChart chart);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    analysis::ConsumerChart chart;
};
