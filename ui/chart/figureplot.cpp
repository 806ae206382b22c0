#include "figureplot.h"

#include "ui/accessibility.h"
#include "ui/chart/contrast.h"
#include "ui/windowlook.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPaintEngine>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>

namespace {

/// Okabe and Ito's colour-blind-safe colours, the strongest first, each darkened just enough
/// for 3.5:1 contrast on white (3:1 on a light grey window as well).
constexpr std::array<QRgb, 8> lightColours{ 0x0072b2, 0xd55e00, 0x009b71, 0xc66a9d,
                                            0xb67e00, 0x1b90d2, 0x958b0c, 0x000000 };
/// The same colours for a dark background, lightened where they need it (black becomes light
/// grey), for 3:1 contrast on backgrounds up to #353535.
constexpr std::array<QRgb, 8> darkColours{ 0x0086d1, 0xd55e00, 0x009e73, 0xcc79a7,
                                           0xe69f00, 0x56b4e9, 0xf0e442, 0xc0c0c0 };
constexpr double leastContrast = 3;

constexpr std::array<Qt::PenStyle, 5> lineStyles{ Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                  Qt::DashDotLine, Qt::DashDotDotLine };

bool isDark(const QColor &background)
{
    return relativeLuminance(background) < 0.18;
}

QString scaleText(double value)
{
    return QLocale().toString(value, 'g', 12);
}

/// An axis number: from the cache where there is one.
QString scaleText(double value, FigureTextCache *cache)
{
    return cache ? cache->number(value) : scaleText(value);
}

/// The advance of `text` in the font of `metrics`, which is `font`: from the cache where there
/// is one.
qreal advanceOf(const QString &text, const QFont &font, const QFontMetricsF &metrics,
                FigureTextCache *cache)
{
    return cache ? cache->advance(text, font, metrics) : metrics.horizontalAdvance(text);
}

/// Where each part of the figure goes in its area.
struct Layout
{
    QRectF title, plot, legend;
    qreal line = 0; ///< the legend's line height
    qreal numberLine = 0; ///< the axes' line height
    std::size_t firstRow = 0; ///< the oldest Draw the legend lists
    int columns = 1;
    qreal columnWidth = 0;
    std::vector<qreal> rowHeights; ///< of the rows listed, oldest first
};

} // namespace

std::array<QColor, 8> figureColours(const QColor &background)
{
    const bool dark = isDark(background);
    const auto &table = dark ? darkColours : lightColours;
    std::array<QColor, 8> colours;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        // A background far from the usual white or dark grey moves a colour further, in steps
        // of its lightness, until it stands out again.
        QColor colour = QColor::fromRgb(table[i]);
        for (int step = 0; step < 40 && contrastRatio(colour, background) < leastContrast; ++step)
            colour = dark ? colour.lighter(108) : colour.darker(108);
        colours[i] = colour;
    }
    return colours;
}

Qt::PenStyle figureLineStyle(std::size_t index)
{
    return lineStyles[index % lineStyles.size()];
}

qreal figureTextPixels(const QSizeF &size, double zoom)
{
    const qreal smaller = std::min(size.width(), size.height());
    const qreal pixels = std::clamp(smaller / 50, 11.0, 36.0) * zoom;
    return std::max(1.0, std::min(pixels, smaller / 28));
}

namespace {

QFont sized(const QFont &family, qreal pixels, bool bold)
{
    QFont font = family;
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setBold(bold);
    return font;
}

/// The legend's font: a little smaller than the axes', so that a row fits a line.
QFont legendFont(const FigureLook &look)
{
    return sized(look.font, 0.9 * look.textPixels, false);
}

/// The width of a legend row: from the cache's laid-out text where there is one.
qreal legendWidth(QPainter &painter, const QFontMetricsF &metrics, const std::string &row,
                  const FigureLook &look, FigureTextCache *cache)
{
    const QString text = QString::fromStdString(row);
    if (cache && painter.paintEngine()->type() == QPaintEngine::Raster)
        return cache->text(text, legendFont(look)).size().width();
    return metrics.horizontalAdvance(text);
}

/// Lays out the title, the plot and the legend. The legend takes up to two fifths of the height,
/// in as many columns (up to four) as its widest row allows; the latest rows that fit are listed,
/// under a line counting the others.
Layout layOut(QPainter &painter, const QRectF &area, const analysis::Figure &figure,
              const FigureLook &look, FigureTextCache *cache)
{
    Layout layout;
    const qreal text = look.textPixels;
    const qreal margin = 0.6 * text;
    const QFontMetricsF titleMetrics(sized(look.font, 1.25 * text, true), painter.device());
    const QFontMetricsF metrics(sized(look.font, text, false), painter.device());
    const QFontMetricsF legendMetrics(legendFont(look), painter.device());
    layout.numberLine = metrics.lineSpacing();
    layout.line = legendMetrics.lineSpacing();
    layout.title = QRectF(area.left() + margin, area.top() + margin / 2, area.width() - 2 * margin,
                          titleMetrics.height());

    const qreal sample = 3 * text;
    const qreal available = area.width() - 2 * margin;
    const qreal room = 0.4 * area.height();
    const std::size_t count = figure.draws.size();
    // Only the rows that could be listed are measured: a long session keeps its paint short.
    const std::size_t mostRows = std::size_t(std::max(1.0, room / layout.line)) * 4;
    const std::size_t candidates = std::min(count, mostRows);
    std::vector<qreal> widths(candidates);
    for (std::size_t i = 0; i < candidates; ++i)
        widths[i] = legendWidth(painter, legendMetrics, figure.draws[count - candidates + i].legend,
                                look, cache);
    const qreal widest = candidates ? *std::max_element(widths.begin(), widths.end()) : 0;
    const qreal gap = 1.5 * text;
    layout.columns = std::clamp(int((available + gap) / (sample + widest + gap)), 1, 4);
    layout.columnWidth = (available + gap) / layout.columns - gap;
    const qreal textWidth = std::max(text, layout.columnWidth - sample);
    // Rows wrap in a single column too narrow for them.
    std::vector<qreal> heights;
    qreal used = 0;
    std::size_t first = count;
    const auto rowsPerColumn = [&](std::size_t rows) {
        return (rows + std::size_t(layout.columns) - 1) / std::size_t(layout.columns);
    };
    while (first > count - candidates) {
        const qreal width = widths[first - 1 - (count - candidates)];
        const qreal height = layout.columns == 1 && width > textWidth
                ? legendMetrics
                          .boundingRect(QRectF(0, 0, textWidth, 1e6), Qt::TextWordWrap,
                                        QString::fromStdString(figure.draws[first - 1].legend))
                          .height()
                : layout.line;
        const bool more = first - 1 > 0;
        const qreal needed = layout.columns == 1
                ? used + height + (more ? layout.line : 0)
                : (rowsPerColumn(count - first + 1) + (more ? 1 : 0)) * layout.line;
        if (needed > room && first < count)
            break;
        heights.insert(heights.begin(), height);
        used += height;
        --first;
    }
    layout.firstRow = first;
    layout.rowHeights = std::move(heights);
    qreal legendHeight =
            layout.columns == 1 ? used : qreal(rowsPerColumn(count - first)) * layout.line;
    if (first > 0)
        legendHeight += layout.line;
    layout.legend = QRectF(area.left() + margin, area.bottom() - margin - legendHeight, available,
                           legendHeight);

    // The plot: the Y numbers on its left, the X numbers and the axis title under it, the Y
    // axis title above it.
    qreal numberWidth = 0;
    const analysis::Axis &vertical = figure.axes.vertical;
    const int verticalMarks = int(std::lround(vertical.max / vertical.step));
    const QFont numberFont = sized(look.font, text, false);
    const auto width = [&](const QString &number) {
        return advanceOf(number, numberFont, metrics, cache);
    };
    for (int i = 0; i <= verticalMarks; ++i)
        numberWidth = std::max(numberWidth, width(scaleText(i * vertical.step, cache)));
    const qreal tick = 0.4 * text;
    const qreal lastNumber = width(scaleText(figure.axes.horizontal.max, cache)) / 2 + margin;
    const qreal top = layout.title.bottom() + margin / 2 + layout.numberLine + metrics.height() / 2;
    const qreal bottom = layout.legend.top() - margin - 2 * layout.numberLine - tick;
    layout.plot = QRectF(QPointF(area.left() + margin + numberWidth + tick + 0.3 * text, top),
                         QPointF(area.right() - lastNumber, bottom));
    return layout;
}

/// The pen of a Draw's lines: its colour and style, `width` text-relative units wide.
QPen drawPen(const QColor &colour, Qt::PenStyle style, qreal width)
{
    QPen pen(colour, width, style, Qt::FlatCap, Qt::RoundJoin);
    return pen;
}

/// Draws `lines`, each upright or level, `width` wide in `colour`. On the screen they are
/// rectangles on the pixel grid: Qt blends the antialiased edges of an upright line row
/// by row, many times slower (bench_figure). A document gets them as lines.
void drawAlongAxes(QPainter &painter, const QList<QLineF> &lines, const QColor &colour, qreal width,
                   bool raster)
{
    if (!raster) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLines(lines);
        return;
    }
    // Every line equally wide, in whole pixels.
    const int pixels = std::max(1, qRound(width));
    for (const QLineF &line : lines) {
        const QRectF span = QRectF(line.p1(), line.p2()).normalized();
        const int left = qRound(span.left() - pixels / 2.0);
        const int top = qRound(span.top() - pixels / 2.0);
        const int right = std::max(left + pixels, qRound(span.right() + pixels / 2.0));
        const int bottom = std::max(top + pixels, qRound(span.bottom() + pixels / 2.0));
        painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), colour);
    }
}

/// A filled dot of `colour` with a ring of the background around it, so that dots on one
/// another stay apart: two fills, several times faster than a stroked outline (bench_figure).
void drawDot(QPainter &painter, const QPointF &centre, qreal radius, qreal ring,
             const QColor &colour, const QColor &background)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawEllipse(centre, radius + ring, radius + ring);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

/// Strokes the polyline through `points` with `pen`. A vector device (SVG, PDF, a printer) gets
/// it whole, as one path with its dash pattern. On a raster device it is painted as separate
/// straight strokes, the dashes cut from it here with their pattern running on across its
/// vertices: Qt paints an antialiased line wider than a pixel several times faster as single
/// segments than as a polyline with joins (bench_figure, figureRepaintAt4K). At each vertex the
/// strokes meet edge to edge; a sampled curve turns there by so little that the notch outside
/// it stays under half a pixel.
void strokePolyline(QPainter &painter, const QPolygonF &points, const QPen &pen, bool raster,
                    QList<QLineF> &strokes)
{
    if (!raster) {
        painter.setPen(pen);
        painter.drawPolyline(points);
        return;
    }
    QPen solid = pen;
    solid.setStyle(Qt::SolidLine);
    painter.setPen(solid);
    strokes.clear();
    if (pen.style() == Qt::SolidLine) {
        for (qsizetype k = 1; k < points.size(); ++k)
            strokes << QLineF(points[k - 1], points[k]);
        painter.drawLines(strokes);
        return;
    }
    // The pattern is in pen widths: dash, gap, dash, gap...
    const QList<qreal> pattern = pen.dashPattern();
    const qreal width = std::max<qreal>(1, pen.widthF());
    qsizetype index = 0;
    qreal left = pattern.value(0, 1) * width; // of the current dash or gap
    for (qsizetype k = 1; k < points.size(); ++k) {
        const QLineF segment(points[k - 1], points[k]);
        const qreal length = segment.length();
        qreal at = 0;
        while (length - at > left) {
            if (index % 2 == 0)
                strokes << QLineF(segment.pointAt(at / length),
                                  segment.pointAt((at + left) / length));
            at += left;
            index = (index + 1) % pattern.size();
            left = std::max<qreal>(pattern[index] * width, 1e-3);
        }
        if (index % 2 == 0 && length > at)
            strokes << QLineF(segment.pointAt(at / length), points[k]);
        left -= length - at;
    }
    painter.drawLines(strokes);
}

} // namespace

const QStaticText &FigureTextCache::text(const QString &text, const QFont &font)
{
    if (font != shownFont || texts.size() > 4096) {
        texts.clear();
        shownFont = font;
    }
    auto found = texts.find(text);
    if (found == texts.end()) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.prepare(QTransform(), font);
        found = texts.insert(text, laidOut);
    }
    return *found;
}

qreal FigureTextCache::advance(const QString &text, const QFont &font, const QFontMetricsF &metrics)
{
    auto widths = std::find_if(advances.begin(), advances.end(),
                               [&font](const auto &measured) { return measured.first == font; });
    if (widths == advances.end()) {
        if (advances.size() >= 8)
            advances.clear();
        advances.emplace_back(font, QHash<QString, qreal>());
        widths = advances.end() - 1;
    }
    if (widths->second.size() > 4096)
        widths->second.clear();
    auto found = widths->second.find(text);
    if (found == widths->second.end())
        found = widths->second.insert(text, metrics.horizontalAdvance(text));
    return *found;
}

const QString &FigureTextCache::number(double value)
{
    if (const QLocale locale; locale != numberLocale || numbers.size() > 4096) {
        numbers.clear();
        numberLocale = locale;
    }
    auto found = numbers.find(value);
    if (found == numbers.end())
        found = numbers.insert(value, scaleText(value));
    return *found;
}

void paintFigure(QPainter &painter, const QRectF &area, const analysis::Figure &figure,
                 const FigureLook &look, FigureTextCache *cache)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(area, look.background);
    const qreal text = look.textPixels;
    const qreal unit = text / 14; // lines and marks keep their proportion to the text
    const Layout layout = layOut(painter, area, figure, look, cache);
    const QFont plain = sized(look.font, text, false);
    const QFont bold = sized(look.font, text, true);
    const QFontMetricsF metrics(plain, painter.device());

    painter.setPen(look.ink);
    painter.setFont(sized(look.font, 1.25 * text, true));
    painter.drawText(layout.title, Qt::AlignHCenter | Qt::AlignTop,
                     QCoreApplication::translate("FigurePlot", "Figure of the Draws"));
    const QRectF plot = layout.plot;
    if (plot.width() < 4 * text || plot.height() < 4 * text) {
        painter.restore();
        return;
    }
    const analysis::Axis &horizontal = figure.axes.horizontal;
    const analysis::Axis &vertical = figure.axes.vertical;
    const auto toPixel = [&](const analysis::Point &p) {
        return QPointF(plot.left() + p.x / horizontal.max * plot.width(),
                       plot.bottom() - p.y / vertical.max * plot.height());
    };

    // The grid, the marks with their numbers (every second or third where they would crowd),
    // the axes and their titles.
    painter.setFont(plain);
    // The grid is the ink over the background at a seventh of its strength: on the screen as
    // an opaque colour, in a document as a translucent one.
    const auto mix = [&](qreal ink, qreal background) { return 0.14 * ink + 0.86 * background; };
    const QColor grid = QColor::fromRgbF(mix(look.ink.redF(), look.background.redF()),
                                         mix(look.ink.greenF(), look.background.greenF()),
                                         mix(look.ink.blueF(), look.background.blueF()));
    QColor translucentGrid = look.ink;
    translucentGrid.setAlphaF(0.14);
    const qreal tick = 0.4 * text;
    const int marksX = int(std::lround(horizontal.max / horizontal.step));
    const int marksY = int(std::lround(vertical.max / vertical.step));
    qreal widest = 0;
    const auto width = [&](const QString &number) {
        return advanceOf(number, plain, metrics, cache);
    };
    for (int i = 0; i <= marksX; ++i)
        widest = std::max(widest, width(scaleText(i * horizontal.step, cache)));
    const int everyX = std::max(1, int(std::ceil((widest + text) * marksX / plot.width())));
    const int everyY =
            std::max(1, int(std::ceil(1.2 * layout.numberLine * marksY / plot.height())));
    const qreal thin = std::max<qreal>(1, unit);
    QList<QLineF> gridLines, ticks;
    const qreal numberAscent = metrics.ascent();
    for (int i = 0; i <= marksX; ++i) {
        const QPointF at = toPixel({ i * horizontal.step, 0 });
        gridLines << QLineF(QPointF(at.x(), plot.top()), at);
        ticks << QLineF(at, at + QPointF(0, tick));
        if (i % everyX == 0) {
            const QString number = scaleText(i * horizontal.step, cache);
            painter.drawText(QPointF(at.x() - width(number) / 2, at.y() + tick + numberAscent),
                             number);
        }
    }
    for (int i = 0; i <= marksY; ++i) {
        const QPointF at = toPixel({ 0, i * vertical.step });
        gridLines << QLineF(at, QPointF(plot.right(), at.y()));
        ticks << QLineF(at, at - QPointF(tick, 0));
        if (i % everyY == 0) {
            const QString number = scaleText(i * vertical.step, cache);
            painter.drawText(QPointF(at.x() - tick - 0.3 * text - width(number),
                                     at.y() - metrics.height() / 2 + numberAscent),
                             number);
        }
    }
    const bool raster = painter.paintEngine()->type() == QPaintEngine::Raster;
    drawAlongAxes(painter, gridLines, raster ? grid : translucentGrid, thin, raster);
    drawAlongAxes(painter, ticks, look.ink, thin, raster);
    drawAlongAxes(painter,
                  { QLineF(plot.bottomLeft(), plot.bottomRight()),
                    QLineF(plot.bottomLeft(), plot.topLeft()) },
                  look.ink, std::max<qreal>(1, 1.2 * unit), raster);
    painter.setPen(look.ink);
    const QString horizontalTitle = QString::fromStdString(horizontal.title);
    painter.drawText(QPointF(plot.center().x() - metrics.horizontalAdvance(horizontalTitle) / 2,
                             plot.bottom() + tick + layout.numberLine + numberAscent),
                     horizontalTitle);
    painter.drawText(QPointF(plot.left() - tick,
                             plot.top() - metrics.height() / 2 - layout.numberLine + numberAscent),
                     QString::fromStdString(vertical.title));

    if (figure.draws.empty()) {
        painter.setPen(look.ink);
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap,
                         QCoreApplication::translate("FigurePlot",
                                                     "No Draw since the last Clear has written a "
                                                     "result."));
    }

    // The Draws, oldest first: the fixed Y thin and dashed, the isocost line, the isoquant
    // widest; then the marked points above every line, with their numbers.
    const analysis::Box box{ 0, 0, horizontal.max, vertical.max };
    QPen fixedPen(Qt::black, 1.3 * unit, Qt::CustomDashLine, Qt::FlatCap);
    fixedPen.setDashPattern({ 6, 4 });
    QPolygonF line;
    QList<QLineF> strokes;
    for (std::size_t i = 0; i < figure.draws.size(); ++i) {
        const analysis::FigureDraw &draw = figure.draws[i];
        const QColor colour = look.colours[i % look.colours.size()];
        const Qt::PenStyle style = figureLineStyle(i);
        if (draw.fixedY) {
            fixedPen.setColor(colour);
            strokePolyline(painter, { toPixel(draw.fixedY->first), toPixel(draw.fixedY->second) },
                           fixedPen, raster, strokes);
        }
        if (draw.isocost)
            strokePolyline(painter, { toPixel(draw.isocost->first), toPixel(draw.isocost->second) },
                           drawPen(colour, style, 1.6 * unit), raster, strokes);
        const QPen isoquantPen = drawPen(colour, style, 2.6 * unit);
        for (const auto &piece : draw.isoquant) {
            line.clear();
            line.reserve(qsizetype(piece.size()));
            for (const analysis::Point &p : piece)
                line << toPixel(p);
            strokePolyline(painter, line, isoquantPen, raster, strokes);
        }
    }
    painter.setFont(bold);
    const QFontMetricsF boldMetrics(bold, painter.device());
    for (std::size_t i = 0; i < figure.draws.size(); ++i) {
        const analysis::FigureDraw &draw = figure.draws[i];
        if (!draw.chosen || draw.chosen->x < box.minX || draw.chosen->x > box.maxX
            || draw.chosen->y < box.minY || draw.chosen->y > box.maxY)
            continue;
        const QColor colour = look.colours[i % look.colours.size()];
        const QPointF at = toPixel(*draw.chosen);
        drawDot(painter, at, 4.5 * unit, unit / 2, colour, look.background);
        // The number above and to the right of the point, or to its left near the right edge.
        const QString number = QString::number(draw.number);
        const qreal width = advanceOf(number, bold, boldMetrics, cache);
        const qreal left = at.x() + 5 * unit + width > plot.right() ? at.x() - 5 * unit - width
                                                                    : at.x() + 5 * unit;
        painter.setPen(colour);
        painter.drawText(QPointF(left, at.y() - 4 * unit), number);
    }
    painter.setBrush(Qt::NoBrush);

    // The legend: a stretch of each Draw's isoquant with its point, then its row.
    painter.setFont(legendFont(look));
    const qreal legendAscent = QFontMetricsF(legendFont(look), painter.device()).ascent();
    qreal y = layout.legend.top();
    if (layout.firstRow > 0) {
        painter.setPen(look.ink);
        painter.drawText(QRectF(layout.legend.left(), y, layout.legend.width(), layout.line),
                         Qt::AlignLeft | Qt::AlignTop,
                         QCoreApplication::translate("FigurePlot",
                                                     "(%n earlier Draw(s) not listed)", nullptr,
                                                     int(layout.firstRow)));
        y += layout.line;
    }
    const qreal top = y;
    const qreal sample = 3 * text;
    const std::size_t listed = figure.draws.size() - layout.firstRow;
    const std::size_t perColumn =
            (listed + std::size_t(layout.columns) - 1) / std::size_t(std::max(1, layout.columns));
    for (std::size_t k = 0; k < listed; ++k) {
        const std::size_t i = layout.firstRow + k;
        const std::size_t column = layout.columns > 1 ? k / perColumn : 0;
        const qreal left = layout.legend.left() + qreal(column) * (layout.columnWidth + 1.5 * text);
        if (layout.columns > 1)
            y = top + qreal(k % perColumn) * layout.line;
        const QColor colour = look.colours[i % look.colours.size()];
        const qreal middle = y + layout.line / 2;
        painter.setPen(drawPen(colour, figureLineStyle(i), 2.6 * unit));
        painter.drawLine(QPointF(left, middle), QPointF(left + sample - 0.6 * text, middle));
        if (figure.draws[i].chosen) // a Draw that could not reach its level marks no point
            drawDot(painter, QPointF(left + (sample - 0.6 * text) / 2, middle), 3.5 * unit,
                    unit / 2, colour, look.background);
        painter.setPen(look.ink);
        const qreal height = layout.rowHeights[k];
        const QString row = QString::fromStdString(figure.draws[i].legend);
        // A row on one line is drawn at its baseline, without the layout a wrapped one needs.
        if (height > layout.line * 1.5)
            painter.drawText(QRectF(left + sample, y, layout.columnWidth - sample, height),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, row);
        else if (cache && raster)
            painter.drawStaticText(QPointF(left + sample, y), cache->text(row, legendFont(look)));
        else
            painter.drawText(QPointF(left + sample, y + legendAscent), row);
        if (layout.columns == 1)
            y += height;
    }
    painter.restore();
}

FigurePlot::FigurePlot(QWidget *parent) : QWidget(parent)
{
    setFont(controlFont()); // its family and weight; each text sets its size
    setAttribute(Qt::WA_OpaquePaintEvent);
    exposeAsChart(this);
}

void FigurePlot::setFigure(const analysis::Figure *figure)
{
    shown = figure;
    update();
}

FigureLook FigurePlot::screenLook() const
{
    FigureLook look;
    look.background = palette().color(QPalette::Base);
    look.ink = palette().color(QPalette::Text);
    look.colours = figureColours(look.background);
    look.textPixels = figureTextPixels(size(), zoomFactor());
    look.font = font();
    return look;
}

void FigurePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    static const analysis::Figure empty{ analysis::figureAxes({}, analysis::FigureRange::Default),
                                         {} };
    paintFigure(painter, rect(), shown ? *shown : empty, screenLook(), &texts);
    if (hasFocus()) {
        // The focus: a dotted frame inside the edge, as the style draws around a focused control.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void FigurePlot::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void FigurePlot::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
