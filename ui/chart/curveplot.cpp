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
    case CurveKind::BudgetLine:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Budget line"), blue, Qt::SolidLine, 2 };
    case CurveKind::NewBudgetLine:
        return { QT_TRANSLATE_NOOP("CurvePlot", "New budget line"), red, Qt::DashDotLine, 2 };
    case CurveKind::CompensatedBudgetLine:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Compensated budget line"), purple, Qt::DashLine,
                 2 };
    case CurveKind::IndifferenceCurve:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Indifference curve"), green, Qt::SolidLine, 1.5 };
    case CurveKind::NewIndifferenceCurve:
        return { QT_TRANSLATE_NOOP("CurvePlot", "New indifference curve"), grey, Qt::DotLine, 2 };
    case CurveKind::IncomeConsumptionPath:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Income-consumption path"), red, Qt::DashLine, 2 };
    case CurveKind::EngelX:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Engel curve of X"), blue, Qt::SolidLine, 2 };
    case CurveKind::EngelY:
        return { QT_TRANSLATE_NOOP("CurvePlot", "Engel curve of Y"), green, Qt::DashLine, 2 };
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

/// Paints a chart with the points and arrows of a consumer window's chart (none for a curves
/// window's): the labels beside their points, lines dotted from the points down to the X axis
/// when arrows show effects along it, and one row under the axis's title for each arrow.
void paintChart(QPainter &painter, const QRect &area, const analysis::CurveChart &chart,
                const std::vector<analysis::MarkedPoint> &points,
                const std::vector<analysis::EffectArrow> &arrows, const QPalette &palette,
                double scale)
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
    // The legend names each kind of curve once: the consumer's map has four budget lines.
    std::vector<analysis::CurveKind> legend;
    for (const analysis::Curve &curve : chart.curves)
        if (std::find(legend.begin(), legend.end(), curve.kind) == legend.end())
            legend.push_back(curve.kind);
    // Two columns, or one where a name would not fit half the chart's width.
    const int textRoom = area.width() / 2 - px(40);
    const bool twoColumns =
            std::all_of(legend.begin(), legend.end(), [&](analysis::CurveKind kind) {
                const QString name = QCoreApplication::translate("CurvePlot", lookOf(kind).legend);
                return metrics.elidedText(name, Qt::ElideRight, textRoom) == name;
            });
    const int columns = twoColumns ? 2 : 1;
    const int legendRows = (static_cast<int>(legend.size()) + columns - 1) / columns;
    const int arrowRows = static_cast<int>(arrows.size());
    const int lastScaleText =
            metrics.horizontalAdvance(scaleText(chart.horizontal.max)) / 2 + px(4);
    const QRect plot(QPoint(area.left() + scaleWidth + px(10),
                            area.top() + below + 2 * line + line / 2 + px(8)),
                     QPoint(area.right() - lastScaleText,
                            area.bottom() - 2 * line - (legendRows + arrowRows) * line - px(12)));
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
    // The grid's faint colour mixed in advance: an opaque pen paints without blending.
    const auto faint = [&](double ink, double base) { return 0.12 * ink + 0.88 * base; };
    const QColor grid = QColor::fromRgbF(faint(ink.redF(), background.redF()),
                                         faint(ink.greenF(), background.greenF()),
                                         faint(ink.blueF(), background.blueF()));
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
    // The guide at the marker; where arrows show effects, the points' own lines stand for it.
    if (arrows.empty() && chart.markerAt >= 0 && chart.markerAt <= chart.horizontal.max) {
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
    const auto inFrame = [&frame](const analysis::CurvePoint &p) {
        return p.x >= 0 && p.x <= frame.maxX && p.y >= 0 && p.y <= frame.maxY;
    };
    painter.setPen(QPen(ink, scale, Qt::DotLine));
    for (const analysis::MarkedPoint &point : points) {
        if (!arrows.empty() && inFrame(point.at))
            painter.drawLine(toPixel(point.at.x, point.at.y), toPixel(point.at.x, 0));
    }
    painter.setPen(ink);
    for (const analysis::MarkedPoint &point : points) {
        if (!inFrame(point.at))
            continue;
        // Above and to the right of the point, or to its left where the chart ends.
        const QString label = fromUtf8(point.label);
        const int width = metrics.horizontalAdvance(label);
        const QPointF at = toPixel(point.at.x, point.at.y);
        const qreal left =
                at.x() + px(5) + width <= area.right() ? at.x() + px(5) : at.x() - px(5) - width;
        painter.drawText(QRectF(left, at.y() - px(4) - line, width + 1, line), Qt::AlignLeft,
                         label);
    }
    painter.restore();

    painter.setPen(QPen(ink, scale));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight() + QPoint(1, 0));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    // The arrows of the effects on X, each on its row under the axis's title, named beside it.
    for (std::size_t i = 0; i < arrows.size(); ++i) {
        const analysis::EffectArrow &arrow = arrows[i];
        const qreal y = plot.bottom() + 2 * line + px(8) + (i + 0.5) * line;
        const qreal from = toPixel(std::clamp(arrow.from, 0.0, frame.maxX), 0).x();
        const qreal to = toPixel(std::clamp(arrow.to, 0.0, frame.maxX), 0).x();
        painter.setPen(QPen(ink, 1.5 * scale, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.drawLine(QPointF(from, y - px(3)), QPointF(from, y + px(3)));
        painter.drawLine(QPointF(from, y), QPointF(to, y));
        const qreal head = to > from ? -px(5) : px(5);
        if (std::abs(to - from) >= px(5)) {
            painter.drawLine(QPointF(to, y), QPointF(to + head, y - px(3)));
            painter.drawLine(QPointF(to, y), QPointF(to + head, y + px(3)));
        }
        const QString name = arrow.kind == analysis::EffectKind::Substitution
                ? CurvePlot::tr("Substitution effect")
                : CurvePlot::tr("Income effect");
        const int width = metrics.horizontalAdvance(name);
        const qreal right = std::max(from, to) + px(6);
        const qreal left =
                right + width <= area.right() ? right : std::min(from, to) - px(6) - width;
        painter.setPen(ink);
        painter.drawText(QRectF(left, y - line / 2.0, width + 1, line), Qt::AlignLeft, name);
    }

    // The legend under the axis title, a stretch of each line beside its name.
    const int columnWidth = area.width() / columns;
    for (int i = 0; i < static_cast<int>(legend.size()); ++i) {
        const CurveLook look = lookOf(legend[i]);
        const int left = area.left() + px(6) + (i % columns) * columnWidth;
        const int top = plot.bottom() + 2 * line + px(10) + (arrowRows + i / columns) * line;
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

} // namespace

void paintCurveChart(QPainter &painter, const QRect &area, const analysis::CurveChart &chart,
                     const QPalette &palette, double scale)
{
    paintChart(painter, area, chart, {}, {}, palette, scale);
}

void paintConsumerChart(QPainter &painter, const QRect &area, const analysis::ConsumerChart &chart,
                        const QPalette &palette, double scale)
{
    paintChart(painter, area, chart.chart, chart.points, chart.arrows, palette, scale);
}

QFont exportTextFont(qreal textScale)
{
    QFont font = controlFont();
    font.setPixelSize(qMax(1, qRound(11 * textScale))); // 8.25 points on screen
    return font;
}

void paintExportedCharts(QPainter &painter, const QRectF &target, qreal penScale, qreal textScale,
                         const std::vector<PlacedChart> &charts, const QString &text,
                         const QRectF &textArea)
{
    const auto place = [&](const QRectF &r) {
        return QRectF(target.topLeft() + r.topLeft() * penScale, r.size() * penScale).toRect();
    };
    QPalette ink;
    ink.setColor(QPalette::Base, Qt::white);
    ink.setColor(QPalette::WindowText, Qt::black);
    painter.save();
    painter.fillRect(target, Qt::white);
    painter.setFont(exportTextFont(textScale));
    painter.setPen(Qt::black);
    painter.drawText(place(textArea), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    for (const PlacedChart &placed : charts)
        paintConsumerChart(painter, place(placed.area), placed.chart, ink, penScale);
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

QString describeConsumerChart(const analysis::ConsumerChart &chart)
{
    if (chart.points.empty())
        return describeCurveChart(chart.chart);
    QStringList parts;
    for (const analysis::MarkedPoint &point : chart.points)
        //: A labelled point of a consumer's chart and its basket: "A: X 30, Y 20"
        parts << CurvePlot::tr("%1: X %2, Y %3")
                         .arg(fromUtf8(point.label), valueText(point.at.x), valueText(point.at.y));
    for (const analysis::EffectArrow &arrow : chart.arrows)
        //: An effect on X shown by an arrow: "Substitution effect from 30 to 42.43"
        parts << CurvePlot::tr("%1 from %2 to %3")
                         .arg(arrow.kind == analysis::EffectKind::Substitution
                                      ? CurvePlot::tr("Substitution effect")
                                      : CurvePlot::tr("Income effect"),
                              valueText(arrow.from), valueText(arrow.to));
    //: A consumer's chart's title, then its points and effects: "Choices as income rises: 60: X
    //: 15, Y 10; 120: X 30, Y 20."
    return CurvePlot::tr("%1: %2.").arg(fromUtf8(chart.chart.title),
                                        parts.join(QLatin1String("; ")));
}

void CurvePlot::setChart(analysis::CurveChart shown)
{
    setChart(analysis::ConsumerChart{ std::move(shown), {}, {} });
}

void CurvePlot::setChart(analysis::ConsumerChart shown)
{
    chart = std::move(shown);
    setAccessibleName(fromUtf8(chart.chart.title));
    setAccessibleDescription(describeConsumerChart(chart));
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
    paintConsumerChart(painter, rect(), chart, palette(), scale);
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
