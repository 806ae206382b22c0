#include "curveplot.h"

#include "ui/accessibility.h"
#include "ui/chart/contrast.h"
#include "ui/windowlook.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

/// A curve's colour in two shades: a dark one for a light background and a light one for a dark
/// background, each at least 3:1 in contrast against white, #f0f0f0 and against dark greys up
/// to #353535 (WCAG 1.4.11).
struct Shades
{
    QRgb onLight, onDark;
};

constexpr Shades blue{ 0x1f5fbf, 0x6fa8ff };
constexpr Shades red{ 0xc03030, 0xff7070 };
constexpr Shades green{ 0x1a803a, 0x4cc46a };
constexpr Shades purple{ 0x8040a0, 0xc78bff };
constexpr Shades grey{ 0x707070, 0xa0a0a0 };

/// The shade of `shades` that stands out more against `background`.
QColor shadeOn(Shades shades, const QColor &background)
{
    const QColor light = QColor::fromRgb(shades.onLight), dark = QColor::fromRgb(shades.onDark);
    return contrastRatio(light, background) >= contrastRatio(dark, background) ? light : dark;
}

/// How a curve looks and what the legend calls it.
struct CurveLook
{
    const char *legend;
    Shades colour;
    Qt::PenStyle style;
    qreal width;
};

CurveLook lookOf(analysis::CurveKind kind)
{
    using analysis::CurveKind;
    // Long-run curves are drawn wider, so that the short-period ones stand out against them;
    // each curve of a chart differs from the others in its line style as well as its colour.
    switch (kind) {
    case CurveKind::LongRunTotal:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Long-run total"), blue, Qt::SolidLine, 2.5 };
    case CurveKind::LongRunAverage:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Long-run average"), blue, Qt::SolidLine, 2.5 };
    case CurveKind::LongRunMarginal:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Long-run marginal"), red, Qt::DashLine, 2.5 };
    case CurveKind::ShortTotal:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Short-period total"), green, Qt::DashLine, 1.5 };
    case CurveKind::ShortAverage:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Short-period average"), green, Qt::SolidLine,
                 1.5 };
    case CurveKind::ShortAverageVariable:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Average variable"), purple, Qt::DashLine, 1.5 };
    case CurveKind::ShortAverageFixed:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Average fixed"), grey, Qt::DotLine, 1.5 };
    case CurveKind::ShortMarginal:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Short-period marginal"), red, Qt::DashDotLine,
                 1.5 };
    case CurveKind::DemandX:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Demand for X"), blue, Qt::SolidLine, 2 };
    case CurveKind::DemandY:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Cross demand for Y"), green, Qt::DashLine, 2 };
    case CurveKind::InverseDemandX:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Inverse demand for X"), blue, Qt::SolidLine, 2 };
    case CurveKind::FixedY:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Fixed Y"), green, Qt::DashLine, 2 };
    }
    return { "", grey, Qt::SolidLine, 1 };
}

QPen penOf(const CurveLook &look, const QColor &background, double scale)
{
    return QPen(shadeOn(look.colour, background), look.width * scale, look.style, Qt::FlatCap,
                Qt::RoundJoin);
}

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString scaleText(double value)
{
    return QLocale().toString(value, 'g', 12);
}

/// A value read at the marker, to the hundredth, without digit grouping.
QString valueText(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double hundredths = std::round(value * 100) / 100;
    return locale.toString(std::isfinite(hundredths) ? hundredths : value, 'g', 15);
}

/// The number of scale marks past 0; the last one is the axis's end.
int marks(const analysis::Axis &axis)
{
    return static_cast<int>(std::lround(axis.max / axis.step));
}

bool longRun(analysis::CurveKind kind)
{
    using analysis::CurveKind;
    return kind == CurveKind::LongRunTotal || kind == CurveKind::LongRunAverage
            || kind == CurveKind::LongRunMarginal;
}

} // namespace

void paintCurveChart(QPainter &painter, const QRect &area, const analysis::CurveChart &chart,
                     const QPalette &palette, double scale)
{
    const auto px = [scale](double pixels) { return qRound(pixels * scale); };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The chart's title in the window's bold font; the scales and the legend in its regular
    // weight, which leaves the legend's names room in two columns.
    const QFont titleFont = painter.font();
    const QFontMetrics titleMetrics = painter.fontMetrics();
    QFont plain = titleFont;
    plain.setBold(false);
    painter.setFont(plain);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const QColor ink = palette.color(QPalette::WindowText);
    const QColor background = palette.color(QPalette::Base);
    painter.fillRect(area, background);
    // A title too long for the chart's width wraps onto more lines, and the chart moves down.
    const QRect titleArea(area.left(), area.top() + px(2), area.width(), area.height());
    const QString title = fromUtf8(chart.title);
    const int below = titleMetrics.horizontalAdvance(title) <= area.width()
            ? 0
            : std::max(
                    0,
                    titleMetrics.boundingRect(titleArea, Qt::AlignHCenter | Qt::TextWordWrap, title)
                                    .height()
                            - line);

    int scaleWidth = 0;
    for (int i = 0; i <= marks(chart.vertical); ++i)
        scaleWidth =
                std::max(scaleWidth, metrics.horizontalAdvance(scaleText(i * chart.vertical.step)));
    const int legendRows = static_cast<int>(chart.curves.size() + 1) / 2;
    const int lastScaleText =
            metrics.horizontalAdvance(scaleText(chart.horizontal.max)) / 2 + px(4);
    const QRect plot(QPoint(area.left() + scaleWidth + px(10),
                            area.top() + below + 2 * line + line / 2 + px(8)),
                     QPoint(area.right() - lastScaleText,
                            area.bottom() - 2 * line - legendRows * line - px(12)));
    if (plot.width() < px(10) || plot.height() < px(10)) {
        painter.restore();
        return;
    }
    const auto toPixel = [&](double x, double y) {
        return QPointF(plot.left() + x / chart.horizontal.max * plot.width(),
                       plot.bottom() - y / chart.vertical.max * plot.height());
    };

    painter.setPen(ink);
    painter.setFont(titleFont);
    painter.drawText(titleArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title);
    painter.setFont(plain);
    painter.drawText(
            QRect(area.left() + px(4), area.top() + below + line + px(4), area.width(), line),
            Qt::AlignLeft, fromUtf8(chart.vertical.title));
    painter.drawText(QRect(plot.left(), plot.bottom() + line + px(6), plot.width(), line),
                     Qt::AlignHCenter, fromUtf8(chart.horizontal.title));

    // Scale marks with their numbers, and a faint grid through them. Where the numbers are too
    // wide for the space between two marks, only every second (third...) mark has one.
    const QColor grid = QColor::fromRgbF(ink.redF(), ink.greenF(), ink.blueF(), 0.12);
    int widest = 0;
    for (int i = 0; i <= marks(chart.horizontal); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(scaleText(i * chart.horizontal.step)));
    const int numberEvery =
            std::max(1,
                     static_cast<int>(std::ceil((widest + px(8)) * double(marks(chart.horizontal))
                                                / plot.width())));
    for (int i = 0; i <= marks(chart.horizontal); ++i) {
        const double value = i * chart.horizontal.step;
        const QPointF at = toPixel(value, 0);
        painter.setPen(QPen(grid, scale));
        painter.drawLine(QPointF(at.x(), plot.top()), at);
        painter.setPen(QPen(ink, scale));
        painter.drawLine(at, at + QPointF(0, px(4)));
        if (i % numberEvery != 0)
            continue;
        const QString text = scaleText(value);
        const int half = metrics.horizontalAdvance(text) / 2;
        painter.drawText(QRectF(at.x() - half - px(2), at.y() + px(5), 2 * half + px(4), line),
                         Qt::AlignHCenter, text);
    }
    for (int i = 0; i <= marks(chart.vertical); ++i) {
        const double value = i * chart.vertical.step;
        const QPointF at = toPixel(0, value);
        painter.setPen(QPen(grid, scale));
        painter.drawLine(at, QPointF(plot.right(), at.y()));
        painter.setPen(QPen(ink, scale));
        painter.drawLine(at, at - QPointF(px(4), 0));
        painter.drawText(QRectF(area.left(), at.y() - line / 2.0, scaleWidth + px(4), line),
                         Qt::AlignRight | Qt::AlignVCenter, scaleText(value));
    }

    // The curves are cut at the plot's frame by geometry, not by the painter's clip, which an
    // SVG file does not keep. The long-run curves go first, so that a short-period curve lying
    // on one (the marginal cost of perfect substitutes on the long-run average) stays in sight.
    painter.save();
    const analysis::Box frame{ 0, 0, chart.horizontal.max, chart.vertical.max };
    if (chart.markerAt >= 0 && chart.markerAt <= chart.horizontal.max) {
        painter.setPen(QPen(ink, scale, Qt::DotLine));
        const QPointF guide = toPixel(chart.markerAt, 0);
        painter.drawLine(guide, QPointF(guide.x(), plot.top()));
    }
    for (const bool longRunPass : { true, false }) {
        for (const analysis::Curve &curve : chart.curves) {
            if (longRun(curve.kind) != longRunPass)
                continue;
            painter.setPen(penOf(lookOf(curve.kind), background, scale));
            for (const auto &piece : curve.pieces) {
                for (const auto &part : analysis::clipPolyline(piece, frame)) {
                    QPolygonF polyline;
                    polyline.reserve(static_cast<qsizetype>(part.size()));
                    for (const analysis::CurvePoint &p : part)
                        polyline << toPixel(p.x, p.y);
                    painter.drawPolyline(polyline);
                }
            }
        }
    }
    for (const bool longRunPass : { true, false }) {
        for (const analysis::Curve &curve : chart.curves) {
            if (longRun(curve.kind) != longRunPass || !curve.marker || curve.marker->x < 0
                || curve.marker->x > frame.maxX || curve.marker->y < 0
                || curve.marker->y > frame.maxY)
                continue;
            painter.setPen(QPen(ink, scale));
            painter.setBrush(shadeOn(lookOf(curve.kind).colour, background));
            painter.drawEllipse(toPixel(curve.marker->x, curve.marker->y), 3.5 * scale,
                                3.5 * scale);
        }
    }
    painter.restore();

    painter.setPen(QPen(ink, scale));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight() + QPoint(1, 0));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    // The legend: two columns under the axis title, a stretch of each line beside its name.
    const int columnWidth = area.width() / 2;
    for (std::size_t i = 0; i < chart.curves.size(); ++i) {
        const CurveLook look = lookOf(chart.curves[i].kind);
        const int left = area.left() + px(6) + static_cast<int>(i % 2) * columnWidth;
        const int top = plot.bottom() + 2 * line + px(10) + static_cast<int>(i / 2) * line;
        const int textWidth = columnWidth - px(40);
        painter.setPen(penOf(look, background, scale));
        painter.drawLine(QPointF(left, top + line / 2.0), QPointF(left + px(26), top + line / 2.0));
        painter.setPen(ink);
        painter.drawText(QRect(left + px(32), top, textWidth, line), Qt::AlignLeft,
                         metrics.elidedText(QCoreApplication::translate("CurvePlot", look.legend),
                                            Qt::ElideRight, textWidth));
    }
    painter.restore();
}

QString describeCurveChart(const analysis::CurveChart &chart)
{
    QStringList values;
    for (const analysis::Curve &curve : chart.curves) {
        const QString legend = QCoreApplication::translate("CurvePlot", lookOf(curve.kind).legend);
        //: A curve's name in the legend, then its value at the marker: "Long-run total 38647.56"
        values << (curve.marker ? CurvePlot::tr("%1 %2").arg(legend, valueText(curve.marker->y))
                                : CurvePlot::tr("%1 not defined").arg(legend));
    }
    //: A chart's title, its horizontal axis's title and the marker's place on it, then the
    //: curves' values there: "Total cost at Level of production 3000: Long-run total 38647.56."
    return CurvePlot::tr("%1 at %2 %3: %4.")
            .arg(fromUtf8(chart.title), fromUtf8(chart.horizontal.title), valueText(chart.markerAt),
                 values.join(QLatin1String("; ")));
}

CurvePlot::CurvePlot(QWidget *parent) : QWidget(parent)
{
    exposeAsChart(this);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CurvePlot::setChart(analysis::CurveChart shown)
{
    chart = std::move(shown);
    setAccessibleName(fromUtf8(chart.title));
    setAccessibleDescription(describeCurveChart(chart));
    update();
}

double curvePlotScale(const QSize &size, double zoom)
{
    // At its design's size a chart is drawn at the zoom; larger, its text and lines grow with
    // its smaller side.
    const QSize design = curvePlotDesignSize();
    const double bySize = std::min(size.width() / double(design.width()),
                                   size.height() / double(design.height()));
    return std::clamp(bySize, zoom, 6.0);
}

void CurvePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const double scale = curvePlotScale(size(), zoomFactor());
    // The window's font (the controls' at the zoom), at this chart's scale.
    QFont scaled = font();
    scaled.setPointSizeF(8.25 * scale);
    painter.setFont(scaled);
    paintCurveChart(painter, rect(), chart, palette(), scale);
    if (hasFocus()) { // a frame in the highlight colour, inside the chart's edge
        const int width = qRound(2 * zoomFactor());
        painter.setPen(QPen(palette().color(QPalette::Highlight), width, Qt::SolidLine,
                            Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
                QRectF(rect()).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    }
}

void CurvePlot::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void CurvePlot::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
