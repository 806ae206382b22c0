#include "chartpicture.h"

#include "analysis/clip.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

// The chart's design: 2000 x 2000 twips; the figure around it, in the same twips, reaches the
// outer arrowhead strokes, the axis letters and the scale's numbers and unit note.
constexpr double chartTwips = 2000;
constexpr double figureLeft = -360, figureTop = -90, figureWidth = 2490, figureHeight = 2580;
constexpr double fontTwips = 165; // 8.25 points, the size of the window's font
constexpr double tickTwips = 60; // length of a scale tick
constexpr int scaleStep = 2, scaleEnd = 10; // ticks at 0, 2, ... 10 thousand

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

/// The part of the segment a-b inside `box`, or nothing: the chart's own clip, computed in
/// doubles, so coordinates far outside the chart neither lose the visible part to rounding nor
/// reach the painter's fixed-point arithmetic.
std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF &box)
{
    const auto inside = analysis::clipSegment({ a.x(), a.y() }, { b.x(), b.y() },
                                              { box.left(), box.top(), box.right(), box.bottom() });
    if (!inside)
        return std::nullopt;
    return std::pair{ QPointF(inside->first.x, inside->first.y),
                      QPointF(inside->second.x, inside->second.y) };
}

/// Axes, arrowheads, and the letters and scale when asked for.
void paintFrame(QPainter &painter, const QRectF &chart, const QRectF &userCorners,
                const ChartLook &look)
{
    const double kx = chart.width() / chartTwips, ky = chart.height() / chartTwips;
    const qreal pen = look.penScale;
    // Without antialiasing a line of odd width falls half a pixel right of and below its
    // coordinates: the shift puts each stroke's middle on the middle of its axis.
    const qreal shift =
            !painter.testRenderHint(QPainter::Antialiasing) && qRound(pen) % 2 == 1 ? -0.5 : 0;
    const auto at = [&](QPointF from, double twipsX, double twipsY) {
        return from + QPointF(twipsX * kx, twipsY * ky);
    };

    painter.fillRect(QRectF(chart.left(), chart.top(), pen, chart.height()), look.ink);
    painter.fillRect(QRectF(chart.left(), chart.bottom() - pen, chart.width(), pen), look.ink);
    painter.setPen(QPen(look.ink, pen));
    painter.setBrush(Qt::NoBrush);
    const QPointF yTip(chart.left() + pen / 2 + shift, chart.top() - 45 * ky + shift);
    const QPointF xTip(chart.right() - pen / 2 + shift, chart.bottom() - pen / 2 + shift);
    const QLineF strokes[] = { { yTip, at(yTip, 90, 225) },
                               { yTip, at(yTip, -90, 225) },
                               { xTip, at(xTip, -225, -90) },
                               { xTip, at(xTip, -225, 90) } };
    painter.drawLines(strokes, 4);

    if (!look.axisLetters && !look.scale)
        return;
    QFont font = look.font;
    // 15 twips make a pixel at 100 %.
    font.setPixelSize(std::max(
            1, qRound(look.textScale > 0 ? fontTwips / 15 * look.textScale : fontTwips * ky)));
    painter.setFont(font);
    const auto text = [&](double left, double top, double width, double height, int flags,
                          const QString &caption) {
        painter.drawText(QRectF(at(chart.topLeft(), left, top), QSizeF(width * kx, height * ky)),
                         flags | Qt::TextDontClip, caption);
    };
    if (look.axisLetters) {
        // Where the window's own letter labels stand.
        text(-315, 150, 195, 315, Qt::AlignLeft | Qt::AlignTop,
             QCoreApplication::translate("PlotSurface", "Y"));
        text(1725, 2190, 255, 255, Qt::AlignLeft | Qt::AlignTop,
             QCoreApplication::translate("PlotSurface", "X"));
    }
    if (!look.scale || userCorners.width() == 0 || userCorners.height() == 0)
        return;
    for (int value = 0; value <= scaleEnd; value += scaleStep) {
        const QString number = QString::number(value);
        const double x =
                chart.left() + (value - userCorners.left()) / userCorners.width() * chart.width();
        if (x >= chart.left() - 0.5 && x <= chart.right() + 0.5) {
            const double left = std::clamp(x - pen / 2, chart.left(), chart.right() - pen);
            painter.fillRect(QRectF(left, chart.bottom(), pen, tickTwips * ky), look.ink);
            text((x - chart.left()) / kx - 200, 2075, 400, 180, Qt::AlignHCenter | Qt::AlignTop,
                 number);
        }
        const double y =
                chart.top() + (value - userCorners.top()) / userCorners.height() * chart.height();
        if (y >= chart.top() - 0.5 && y <= chart.bottom() + 0.5) {
            const double top = std::clamp(y - pen / 2, chart.top(), chart.bottom() - pen);
            painter.fillRect(QRectF(chart.left() - tickTwips * kx, top, tickTwips * kx, pen),
                             look.ink);
            text(-505, (y - chart.top()) / ky - 90, 400, 180, Qt::AlignRight | Qt::AlignVCenter,
                 number);
        }
    }
    text(0, 2255, 1500, 180, Qt::AlignLeft | Qt::AlignTop,
         QCoreApplication::translate("PlotSurface", "in thousands"));
}

} // namespace

void OperationRun::usePen(int pen)
{
    if (pen != currentPen) {
        steps.push_back({ Kind::Pen, static_cast<std::uint32_t>(pen) });
        currentPen = pen;
    }
}

void OperationRun::point(float x, float y, int pen)
{
    usePen(pen);
    if (steps.back().kind == Kind::Points)
        ++steps.back().count;
    else
        steps.push_back({ Kind::Points, 1 });
    coordinates.push_back(x);
    coordinates.push_back(y);
}

void OperationRun::segment(float x1, float y1, float x2, float y2, int pen)
{
    usePen(pen);
    steps.push_back({ Kind::Segment, 1 });
    coordinates.insert(coordinates.end(), { x1, y1, x2, y2 });
}

std::size_t OperationRun::contentHash() const
{
    std::uint64_t hash = 1469598103934665603ull;
    const auto mix = [&hash](std::uint32_t word) { hash = (hash ^ word) * 1099511628211ull; };
    for (const Step &step : steps)
        mix(static_cast<std::uint32_t>(step.kind) << 24 ^ step.count);
    for (float value : coordinates) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        mix(bits);
    }
    return static_cast<std::size_t>(hash);
}

void OperationRun::shrink()
{
    steps.shrink_to_fit();
    coordinates.shrink_to_fit();
}

void ChartDrawing::endRun()
{
    if (open.empty())
        return;
    const std::size_t hash = open.contentHash();
    const auto [first, last] = byHash.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        if (*distinct[it->second] == open) {
            open = OperationRun();
            return;
        }
    }
    const auto index = static_cast<std::uint32_t>(distinct.size());
    open.shrink();
    distinct.push_back(std::make_unique<const OperationRun>(std::move(open)));
    byHash.emplace(hash, index);
    open = OperationRun();
}

void ChartDrawing::clear()
{
    // New, empty containers: the memory goes back, not only the elements.
    distinct = decltype(distinct)();
    byHash = decltype(byHash)();
    open = OperationRun();
}

QRectF figureAround(const QRectF &chartArea)
{
    const double kx = chartArea.width() / chartTwips, ky = chartArea.height() / chartTwips;
    return { chartArea.left() + figureLeft * kx, chartArea.top() + figureTop * ky, figureWidth * kx,
             figureHeight * ky };
}

QRectF chartAreaIn(const QRectF &figure)
{
    const double kx = figure.width() / figureWidth, ky = figure.height() / figureHeight;
    return { figure.left() - figureLeft * kx, figure.top() - figureTop * ky, chartTwips * kx,
             chartTwips * ky };
}

void paintChart(QPainter &painter, const QRectF &target, const ChartDrawing &drawing,
                const QRectF &userCorners, const ChartLook &look)
{
    const QRectF chart = chartAreaIn(target);
    painter.save();
    if (look.layers & unsigned(ChartLayer::Background))
        painter.fillRect(target, look.background);
    if (look.layers & unsigned(ChartLayer::Drawing)) {
        painter.save();
        painter.setClipRect(chart, Qt::IntersectClip);
        ChartRenderer renderer(painter, chart, userCorners, look.penScale, look.ink);
        drawing.forEachRun([&renderer](const OperationRun &run) { renderer.replay(run); });
        painter.restore();
    }
    if (look.layers & unsigned(ChartLayer::Frame))
        paintFrame(painter, chart, userCorners, look);
    painter.restore();
}

ChartRenderer::ChartRenderer(QPainter &painter, const QRectF &chartArea, const QRectF &userCorners,
                             qreal penScale, const QColor &ink)
    : painter(painter), area(chartArea), penScale(penScale), ink(ink)
{
    ax = chartArea.width() / userCorners.width();
    bx = chartArea.left() - userCorners.left() * ax;
    ay = chartArea.height() / userCorners.height();
    by = chartArea.top() - userCorners.top() * ay;
    QPaintDevice *device = painter.device();
    const QTransform toDevice = painter.deviceTransform();
    if (device && device->devType() == QInternal::Image && toDevice.type() <= QTransform::TxScale
        && toDevice.m11() > 0 && toDevice.m22() > 0) {
        auto *image = static_cast<QImage *>(device);
        if (image->format() == QImage::Format_ARGB32_Premultiplied
            || image->format() == QImage::Format_RGB32) {
            direct = image;
            dxScale = toDevice.m11();
            dxOffset = toDevice.dx();
            dyScale = toDevice.m22();
            dyOffset = toDevice.dy();
            premultipliedInk = qPremultiply(ink.rgba());
        }
    }
}

std::optional<QRectF> ChartRenderer::squareAt(QPointF centre) const
{
    // A single-pixel point is a square one design pixel wide, scaled like the pens, centred on
    // its point; only points inside the chart's area are drawn. At any size but the design's it
    // falls between the design's pixels, so a curve re-rendered larger is finer, not blockier.
    if (!(centre.x() >= area.left() && centre.x() < area.right() && centre.y() >= area.top()
          && centre.y() < area.bottom()))
        return std::nullopt;
    // A point by the edge keeps its whole square, moved inside the area.
    const double half = penScale / 2;
    const double left = std::clamp(centre.x() - half, area.left(), area.right() - penScale);
    const double top = std::clamp(centre.y() - half, area.top(), area.bottom() - penScale);
    return QRectF(left, top, penScale, penScale);
}

QRect ChartRenderer::devicePixels(const QRectF &square) const
{
    const auto toX = [this](double x) { return qRound(x * dxScale + dxOffset); };
    const auto toY = [this](double y) { return qRound(y * dyScale + dyOffset); };
    const int left = std::max({ toX(square.left()), toX(area.left()), 0 });
    const int right = std::min({ toX(square.right()), toX(area.right()), direct->width() });
    const int top = std::max({ toY(square.top()), toY(area.top()), 0 });
    const int bottom = std::min({ toY(square.bottom()), toY(area.bottom()), direct->height() });
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void ChartRenderer::writePixels(const QRect &pixels)
{
    for (int row = pixels.top(); row <= pixels.bottom(); ++row) {
        auto *line = reinterpret_cast<std::uint32_t *>(direct->scanLine(row));
        std::fill(line + pixels.left(), line + std::max(pixels.left(), pixels.right() + 1),
                  premultipliedInk);
    }
}

QRectF ChartRenderer::point(float x, float y, int pen)
{
    const QPointF centre = map(x, y);
    if (pen == 1) {
        const std::optional<QRectF> square = squareAt(centre);
        if (!square)
            return {};
        if (direct)
            writePixels(devicePixels(*square));
        else
            painter.fillRect(*square, ink);
        return *square;
    }
    const double width = pen * penScale;
    const QRectF dot(centre.x() - width / 2, centre.y() - width / 2, width, width);
    if (!finite(centre) || !dot.intersects(area))
        return {};
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    if (area.contains(dot)) {
        painter.drawEllipse(dot);
        return dot;
    }
    // A dot by the edge is cut to the chart here rather than by the painter's clip, which an
    // SVG generator does not keep: on the axis it is half a dot on every device.
    QPainterPath round, chart;
    round.addEllipse(dot);
    chart.addRect(area);
    painter.drawPath(round.intersected(chart));
    return dot;
}

QRectF ChartRenderer::segment(float x1, float y1, float x2, float y2, int pen)
{
    const QPointF a = map(x1, y1), b = map(x2, y2);
    if (!finite(a) || !finite(b))
        return {};
    const double width = pen * penScale, margin = width + 1.0;
    const auto visible = clipSegment(a, b, area.adjusted(-margin, -margin, margin, margin));
    if (!visible)
        return {};
    painter.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(visible->first, visible->second);
    return QRectF(visible->first, visible->second)
            .normalized()
            .adjusted(-margin, -margin, margin, margin);
}

void ChartRenderer::writeSquares(const float *xy, std::size_t count)
{
    // A curve's points fall many to a pixel, and its pixels in rows and columns: they are
    // joined into rectangles of the same pixels, each written once into the image.
    QRect joined;
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<QRectF> square = squareAt(map(xy[2 * i], xy[2 * i + 1]));
        if (!square)
            continue;
        const QRect pixels = devicePixels(*square);
        if (pixels.isEmpty() || joined.contains(pixels))
            continue;
        const bool extendsRow = pixels.top() == joined.top() && pixels.bottom() == joined.bottom()
                && pixels.left() <= joined.right() + 1 && pixels.right() >= joined.left() - 1;
        const bool extendsColumn = pixels.left() == joined.left()
                && pixels.right() == joined.right() && pixels.top() <= joined.bottom() + 1
                && pixels.bottom() >= joined.top() - 1;
        if (!joined.isEmpty() && (extendsRow || extendsColumn)) {
            joined |= pixels;
            continue;
        }
        if (!joined.isEmpty())
            writePixels(joined);
        joined = pixels;
    }
    if (!joined.isEmpty())
        writePixels(joined);
}

void ChartRenderer::strokeCurve(const float *xy, std::size_t count)
{
    // On a vector device a curve's points become one smooth line as wide as a point, which
    // stays sharp at any size: points closer than two design pixels to the previous one are
    // joined, points nearer than a quarter pixel add no vertex (bench_export: 100 curves as
    // SVG under 5 MB), and a point far from both neighbours stands alone as its square.
    const double join = 2 * penScale, skip = penScale / 4;
    QPainterPath lines, squares;
    squares.setFillRule(Qt::WindingFill);
    std::optional<QPointF> last;
    bool alone = false; ///< the latest point started a line and nothing joined it yet
    const auto endLine = [&] {
        if (last && alone)
            squares.addRect(*squareAt(*last));
    };
    for (std::size_t i = 0; i < count; ++i) {
        const QPointF centre = map(xy[2 * i], xy[2 * i + 1]);
        if (!squareAt(centre))
            continue;
        if (last) {
            const QPointF step = centre - *last;
            const double distance = std::hypot(step.x(), step.y());
            if (distance < skip)
                continue;
            if (distance <= join) {
                lines.lineTo(centre);
                last = centre;
                alone = false;
                continue;
            }
        }
        endLine();
        lines.moveTo(centre);
        last = centre;
        alone = true;
    }
    endLine();
    painter.strokePath(lines, QPen(ink, penScale, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.fillPath(squares, ink);
}

void ChartRenderer::replay(const OperationRun &run)
{
    int pen = 1;
    run.replay([&pen](int width) { pen = width; },
               [&](const float *xy, std::size_t count) {
                   if (pen == 1) {
                       if (direct)
                           writeSquares(xy, count);
                       else
                           strokeCurve(xy, count);
                       return;
                   }
                   for (std::size_t i = 0; i < count; ++i)
                       point(xy[2 * i], xy[2 * i + 1], pen);
               },
               [&](const float *s) { segment(s[0], s[1], s[2], s[3], pen); });
}
