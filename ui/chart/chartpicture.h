#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

QT_BEGIN_NAMESPACE
class QImage;
class QPainter;
QT_END_NAMESPACE

/// One group of drawing operations in call order (one Draw's): pen widths in design pixels,
/// points and segments in user coordinates. Compact: a point costs 8 bytes.
class OperationRun
{
public:
    /// A point drawn with a pen `pen` design pixels wide.
    void point(float x, float y, int pen);
    /// A segment drawn with a pen `pen` design pixels wide.
    void segment(float x1, float y1, float x2, float y2, int pen);

    bool empty() const { return steps.empty(); }
    std::size_t contentHash() const;
    bool operator==(const OperationRun &) const = default;

    /// Calls `pen(int)`, `points(const float *xy, std::size_t count)` and
    /// `segment(const float *x1y1x2y2)` for the operations in order.
    template<class Pen, class Points, class Segment>
    void replay(Pen &&pen, Points &&points, Segment &&segment) const
    {
        const float *at = coordinates.data();
        for (const Step &step : steps) {
            switch (step.kind) {
            case Kind::Pen:
                pen(static_cast<int>(step.count));
                break;
            case Kind::Points:
                points(at, step.count);
                at += 2 * step.count;
                break;
            case Kind::Segment:
                segment(at);
                at += 4;
                break;
            }
        }
    }

    /// Gives back spare capacity once the run is complete.
    void shrink();

private:
    void usePen(int pen);

    enum class Kind : std::uint8_t { Pen, Points, Segment };
    struct Step
    {
        Kind kind;
        std::uint32_t count; ///< Pen: the width; Points: how many in a row; Segment: 1
        bool operator==(const Step &) const = default;
    };
    std::vector<Step> steps;
    std::vector<float> coordinates;
    int currentPen = 0; ///< the width of the latest pen step, 0 before the first
};

/// What a chart has drawn since it was last cleared, as operation runs. Every operation paints
/// the one ink, so the picture depends neither on the order of the runs nor on how often each
/// was drawn: a run equal to one kept already is dropped (a class repeating the same Draw does
/// not multiply the memory, nor the time to paint the drawing again).
class ChartDrawing
{
public:
    /// The run being recorded.
    OperationRun &recording() { return open; }
    /// Ends the run being recorded.
    void endRun();
    void clear();
    bool empty() const { return distinct.empty() && open.empty(); }
    /// Runs kept, each distinct run once (the open run included).
    std::size_t distinctRuns() const { return distinct.size() + (open.empty() ? 0 : 1); }

    /// Visits each distinct run once, the open run last.
    template<class Visitor>
    void forEachRun(Visitor &&visit) const
    {
        for (const auto &run : distinct)
            visit(*run);
        if (!open.empty())
            visit(open);
    }

private:
    std::vector<std::unique_ptr<const OperationRun>> distinct;
    std::unordered_multimap<std::size_t, std::uint32_t> byHash;
    OperationRun open;
};

/// The layers of a chart's picture.
enum class ChartLayer : unsigned {
    Background = 1, ///< the target filled with the background colour
    Drawing = 2, ///< the operations, clipped to the chart's area
    Frame = 4, ///< axes, arrowheads, and the axis letters and scale when asked for
    All = 7,
};

/// How one painting of a chart looks. Export paints dark on white whatever the desktop's colours.
struct ChartLook
{
    QColor ink = Qt::black;
    QColor background = Qt::white;
    unsigned layers = unsigned(ChartLayer::All);
    bool axisLetters = true; ///< "X" and "Y" as text (the window shows labels of its own instead)
    bool scale = false; ///< ticks at 0, 2, ... 10 thousand with their numbers and a unit note
    /// Design pixels to target units, for pens, points and the axes: the chart area's width
    /// over 133 keeps the design's proportions (PlotSurface uses its zoom factor).
    qreal penScale = 1;
    /// Letters and numbers this many times their size on screen at 100 %; 0 keeps them in
    /// proportion to the chart area, as on screen.
    qreal textScale = 0;
    QFont font; ///< family and weight of the letters and numbers; their size follows the target
};

/// The figure around a chart area: the margin where the outer arrowhead strokes, the axis letters
/// and the scale lie. Given in the chart's design twips (the chart is 2000 x 2000 of them).
QRectF figureAround(const QRectF &chartArea);
/// The chart's own area inside a figure rectangle; the inverse of figureAround.
QRectF chartAreaIn(const QRectF &figure);

/// Paints a chart's picture into `target` (a figure rectangle, see figureAround) with any painter:
/// the screen, an image of any size, an SVG generator, a PDF writer or a printer. Points and lines
/// stay vector elements on a vector device. `userCorners` holds the user coordinates of the
/// chart's top-left and bottom-right corners (PlotSurface::userCorners). Render hints are the
/// caller's; without antialiasing, lines fall on whole pixels as on the screen.
void paintChart(QPainter &painter, const QRectF &target, const ChartDrawing &drawing,
                const QRectF &userCorners, const ChartLook &look);

/// Paints single operations into a chart area, as paintChart does. On an image whose painter only
/// scales and moves, single-pixel points are written straight into its memory, clipped to the
/// chart area rather than by the painter: a Cobb-Douglas curve is some 1600 of them, the bulk of
/// a Draw (bench_window's plotDefaultDraw and wholeDraw, and chartAt400).
class ChartRenderer
{
public:
    ChartRenderer(QPainter &painter, const QRectF &chartArea, const QRectF &userCorners,
                  qreal penScale, const QColor &ink);

    /// Each returns the area it painted in painter coordinates (empty if nothing).
    QRectF point(float x, float y, int pen);
    QRectF segment(float x1, float y1, float x2, float y2, int pen);
    void replay(const OperationRun &run);

private:
    QPointF map(float x, float y) const { return { ax * x + bx, ay * y + by }; }
    /// The square of a single-pixel point at `centre`, in painter coordinates; nothing outside.
    std::optional<QRectF> squareAt(QPointF centre) const;
    /// The image pixels a square covers, within the chart's area.
    QRect devicePixels(const QRectF &square) const;
    void writePixels(const QRect &pixels);
    /// Writes the squares of `count` single-pixel points into the image, each pixel once.
    void writeSquares(const float *xy, std::size_t count);
    /// Draws `count` single-pixel points as one smooth path, for vector devices.
    void strokeCurve(const float *xy, std::size_t count);

    QPainter &painter;
    QRectF area;
    double ax = 1, bx = 0, ay = 1, by = 0; ///< user to painter coordinates
    qreal penScale;
    QColor ink;
    QImage *direct = nullptr; ///< the image to write single pixels into, if the painter allows
    double dxScale = 1, dxOffset = 0, dyScale = 1, dyOffset = 0; ///< painter to device pixels
    std::uint32_t premultipliedInk = 0;
};
