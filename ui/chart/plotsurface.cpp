#include "plotsurface.h"

#include "ui/accessibility.h"
#include "ui/windowlook.h"

#include <QPaintEvent>
#include <QWindow>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int maxPenWidth = 64;
constexpr int updateMargin = 16; ///< pixels added around a new mark to the pending repaint

/// The area an expose event reports. Qt 6 deprecates its accessor in favour of paint events, but
/// an uncovered area is put back from the toolkit's copy of the window without any paint event,
/// so this is the only word of what was uncovered; the protected member is read as a subclass may.
struct ExposedArea : QExposeEvent
{
    static const QRegion &of(const QExposeEvent &event) { return event.*(&ExposedArea::m_region); }
};

} // namespace

PlotSurface::PlotSurface(QWidget *parent) : QWidget(parent)
{
    exposeAsChart(this);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    // The figure's parts outside the chart (arrowheads, the scale) are painted on the widget
    // around it, when it paints.
    if (parent)
        parent->installEventFilter(this);
    // Pens and points follow the zoom of the windows.
    scale = zoomFactor();
    connect(zoomNotifier(), &ZoomNotifier::zoomChanged, this, &PlotSurface::setScaleFactor);
}

void PlotSurface::setUserCoordinates(float left, float top, float right, float bottom)
{
    const double w = double(right) - left, h = double(bottom) - top;
    if (!std::isfinite(w) || !std::isfinite(h) || w == 0 || h == 0)
        return;
    finishPainting();
    corners = QRectF(QPointF(left, top), QPointF(right, bottom));
}

void PlotSurface::clearSurface()
{
    operations.clear();
    renderer();
    painter.fillRect(rect(), palette().color(backgroundRole()));
    markDrawn(rect());
}

void PlotSurface::plotPoint(float x, float y)
{
    if (retain)
        operations.recording().point(x, y, pen);
    const QRectF painted = renderer().point(x, y, pen);
    // Most pixels of a curve lie inside the pending repaint already.
    if (!painted.isEmpty()
        && !ownUpdate.contains(painted.toAlignedRect().adjusted(-1, -1, 1, 1) & rect()))
        markDrawn(painted);
}

void PlotSurface::drawSegment(float x1, float y1, float x2, float y2)
{
    if (retain)
        operations.recording().segment(x1, y1, x2, y2, pen);
    const QRectF painted = renderer().segment(x1, y1, x2, y2, pen);
    if (!painted.isEmpty())
        markDrawn(painted);
}

void PlotSurface::setPenWidth(int pixels)
{
    pen = std::clamp(pixels, 1, maxPenWidth);
}

void PlotSurface::setRetainDrawing(bool on)
{
    retain = on;
    if (!on)
        operations.clear();
}

void PlotSurface::finishDraw()
{
    operations.endRun();
}

void PlotSurface::setScaleFactor(qreal factor)
{
    if (!(factor > 0) || factor == scale)
        return;
    scale = factor;
    finishPainting();
    buffer = QImage(); // painted again from the operations at the next use
    update();
}

void PlotSurface::setScaleShown(bool shown)
{
    showScale = shown;
    update();
    if (parentWidget()) // the scale's numbers stand beside the chart
        parentWidget()->update(figureAround(QRectF(geometry())).toAlignedRect());
}

ChartLook PlotSurface::screenLook() const
{
    ChartLook look;
    look.ink = palette().color(foregroundRole());
    look.background = palette().color(backgroundRole());
    look.axisLetters = false;
    look.scale = showScale;
    look.penScale = scale;
    look.font = font();
    return look;
}

void PlotSurface::paintFrame(QPainter &painter, const QRectF &chartArea) const
{
    ChartLook look = screenLook();
    look.layers = unsigned(ChartLayer::Frame);
    paintChart(painter, figureAround(chartArea), operations, corners, look);
}

ChartPicture PlotSurface::exportPicture()
{
    // The figure at the chart's design size, dark on white, with the axis letters as text and
    // the scale when the chart shows it.
    const QRectF figure(
            QPointF(0, 0),
            figureAround(QRectF(QPointF(0, 0), fromTwips(0, 0, 2000, 2000).size())).size());
    ChartLook look;
    look.scale = showScale;
    look.font = controlFont();
    ChartPicture picture;
    picture.size = figure.size();
    picture.plotArea = chartAreaIn(figure);
    picture.paint = [this, look](QPainter &painter, const QRectF &target, qreal penScale,
                                 qreal textScale) mutable {
        look.penScale = penScale;
        look.textScale = textScale;
        if (retain) {
            paintChart(painter, target, operations, corners, look);
            return;
        }
        // A chart that keeps no drawing ("Slow computer") gives what its pixels show,
        // in ink on the white background.
        look.layers = unsigned(ChartLayer::Background) | unsigned(ChartLayer::Frame);
        paintChart(painter, target, ChartDrawing(), corners, look);
        QImage shown = image().createMaskFromColor(palette().color(backgroundRole()).rgb(),
                                                   Qt::MaskOutColor);
        shown.setColorTable({ qRgba(0, 0, 0, 0), look.ink.rgba() });
        painter.drawImage(chartAreaIn(target), shown);
    };
    return picture;
}

QImage PlotSurface::image()
{
    finishPainting();
    matchBufferToScreen();
    return buffer;
}

ChartRenderer &PlotSurface::renderer()
{
    if (!openRenderer) {
        matchBufferToScreen();
        painter.begin(&buffer);
        openRenderer.emplace(painter, QRectF(rect()), corners, scale,
                             palette().color(foregroundRole()));
    }
    return *openRenderer;
}

void PlotSurface::finishPainting()
{
    openRenderer.reset();
    if (painter.isActive())
        painter.end();
}

void PlotSurface::matchBufferToScreen()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    if (buffer.size() != pixels || buffer.devicePixelRatio() != ratio)
        renderAgain();
}

void PlotSurface::renderAgain()
{
    // The pixels are a cache of the operations: a new size or scale paints them anew, sharp.
    // With retained drawing off nothing is kept, and the chart comes back empty.
    finishPainting();
    const qreal ratio = devicePixelRatioF();
    buffer = QImage((QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1)),
                    QImage::Format_ARGB32_Premultiplied);
    buffer.setDevicePixelRatio(ratio);
    QPainter p(&buffer);
    ChartLook look = screenLook();
    look.layers = unsigned(ChartLayer::Background) | unsigned(ChartLayer::Drawing);
    paintChart(p, figureAround(QRectF(rect())), operations, corners, look);
    update();
}

void PlotSurface::markDrawn(const QRectF &area)
{
    const QRect dirty = area.toAlignedRect().adjusted(-1, -1, 1, 1) & rect();
    if (dirty.isEmpty() || ownUpdate.contains(dirty))
        return;
    // One growing rectangle keeps the pending repaint cheap however many points a Draw plots.
    // It grows by a margin around each new mark, so that the next points of a curve mostly
    // fall inside it and need no new repaint request.
    ownUpdate |= dirty.adjusted(-updateMargin, -updateMargin, updateMargin, updateMargin) & rect();
    update(ownUpdate);
}

QRegion PlotSurface::focusFrame() const
{
    const QRect outer = rect().adjusted(2, 2, -2, -2);
    return QRegion(outer) - QRegion(outer.adjusted(1, 1, -1, -1));
}

void PlotSurface::focusInEvent(QFocusEvent *)
{
    // Only the focus frame is repainted, as this surface's own repaint: a whole repaint would
    // erase the drawing of a surface that does not retain it.
    ownFrame += focusFrame();
    update(focusFrame());
}

void PlotSurface::focusOutEvent(QFocusEvent *)
{
    ownFrame += focusFrame();
    update(focusFrame());
}

void PlotSurface::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Uncovered parts of the window are put back from the toolkit's own copy of the window
    // without a repaint, so expose events are watched to know what was uncovered.
    if (QWindow *handle = window()->windowHandle()) {
        handle->removeEventFilter(this);
        handle->installEventFilter(this);
    }
}

bool PlotSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == parentWidget() && isVisible()) {
        QPainter around(parentWidget());
        around.setClipRegion(static_cast<QPaintEvent *>(event)->region());
        paintFrame(around, QRectF(geometry()));
    }
    if (event->type() == QEvent::Expose && !retain && isVisible()
        && watched == window()->windowHandle()) {
        const QRegion &exposed = ExposedArea::of(*static_cast<QExposeEvent *>(event));
        QRegion here;
        for (const QRect &area : exposed) // window coordinates
            here += QRect(mapFrom(window(), area.topLeft()), area.size());
        here &= rect();
        // Repainted before the window shows again, as a repaint this surface did not ask for.
        if (!here.isEmpty())
            update(here);
    }
    return QWidget::eventFilter(watched, event);
}

void PlotSurface::paintEvent(QPaintEvent *event)
{
    finishPainting();
    matchBufferToScreen();
    if (!retain) {
        const QRegion exposed = event->region() - QRegion(ownUpdate) - ownFrame;
        if (!exposed.isEmpty()) {
            QPainter lose(&buffer);
            lose.setClipRegion(exposed);
            lose.fillRect(rect(), palette().color(backgroundRole()));
        }
    }
    ownUpdate = QRect();
    ownFrame = QRegion();

    QPainter p(this);
    const QRect area = event->rect();
    const qreal ratio = buffer.devicePixelRatio();
    p.drawImage(area, buffer,
                QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                       area.height() * ratio));
    paintFrame(p, QRectF(rect()));
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void PlotSurface::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    matchBufferToScreen();
}
