#include "plotsurface.h"

#include <QPaintEvent>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

constexpr int maxPenWidth = 64;

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

/// Liang-Barsky: the part of the segment a-b inside `box`, or nothing. Working in doubles keeps
/// coordinates far outside the chart from overflowing the painter's fixed-point arithmetic.
std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF &box)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4] = { a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
        box.bottom() - a.y() };
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return std::pair { QPointF(a.x() + t0 * dx, a.y() + t0 * dy),
        QPointF(a.x() + t1 * dx, a.y() + t1 * dy) };
}

} // namespace

PlotSurface::PlotSurface(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setUserCoordinates(0, 0, 1, 1);
}

void PlotSurface::setUserCoordinates(float left, float top, float right, float bottom)
{
    const double w = double(right) - left, h = double(bottom) - top;
    if (!std::isfinite(w) || !std::isfinite(h) || w == 0 || h == 0)
        return;
    userToPixel = QTransform::fromTranslate(-left, -top)
        * QTransform::fromScale(width() / w, height() / h);
    userCorners = { left, top, right, bottom };
}

void PlotSurface::clearSurface()
{
    bufferPainter().fillRect(rect(), palette().color(backgroundRole()));
    markDrawn(rect());
}

void PlotSurface::plotPoint(float x, float y)
{
    const QPointF centre = userToPixel.map(QPointF(x, y));
    if (!finite(centre))
        return;
    const QRectF dot(centre.x() - pen / 2.0, centre.y() - pen / 2.0, pen, pen);
    if (!dot.intersects(rect()))
        return;
    QPainter &p = bufferPainter();
    const QColor ink = palette().color(foregroundRole());
    if (pen == 1) {
        p.fillRect(dot, ink);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(dot);
    }
    markDrawn(dot);
}

void PlotSurface::drawSegment(float x1, float y1, float x2, float y2)
{
    const QPointF a = userToPixel.map(QPointF(x1, y1)), b = userToPixel.map(QPointF(x2, y2));
    if (!finite(a) || !finite(b))
        return;
    const double margin = pen + 1.0;
    const auto visible = clipSegment(a, b, QRectF(rect()).adjusted(-margin, -margin, margin, margin));
    if (!visible)
        return;
    QPainter &p = bufferPainter();
    p.setPen(QPen(palette().color(foregroundRole()), pen, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(visible->first, visible->second);
    markDrawn(QRectF(visible->first, visible->second).normalized().adjusted(-margin, -margin, margin, margin));
}

void PlotSurface::setPenWidth(int pixels)
{
    pen = std::clamp(pixels, 1, maxPenWidth);
}

void PlotSurface::setRetainDrawing(bool on)
{
    retain = on;
}

QImage PlotSurface::image()
{
    finishPainting();
    return buffer;
}

QPainter &PlotSurface::bufferPainter()
{
    if (!painter.isActive()) {
        if (buffer.isNull())
            matchBufferToScreen();
        painter.begin(&buffer);
    }
    return painter;
}

void PlotSurface::finishPainting()
{
    if (painter.isActive())
        painter.end();
}

void PlotSurface::matchBufferToScreen()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    if (buffer.size() == pixels && buffer.devicePixelRatio() == ratio)
        return;
    finishPainting();
    QImage resized(pixels, QImage::Format_ARGB32_Premultiplied);
    resized.setDevicePixelRatio(ratio);
    resized.fill(palette().color(backgroundRole()));
    if (!buffer.isNull()) {
        QPainter p(&resized);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(buffer.deviceIndependentSize())), buffer);
    }
    buffer = std::move(resized);
}

void PlotSurface::markDrawn(const QRectF &area)
{
    const QRect dirty = area.toAlignedRect().adjusted(-1, -1, 1, 1) & rect();
    if (dirty.isEmpty() || ownUpdate.contains(dirty))
        return;
    // One growing rectangle keeps the pending repaint cheap however many points a Draw plots.
    ownUpdate |= dirty;
    update(ownUpdate);
}

void PlotSurface::paintEvent(QPaintEvent *event)
{
    matchBufferToScreen();
    finishPainting();
    if (!retain) {
        const QRegion exposed = event->region() - QRegion(ownUpdate);
        if (!exposed.isEmpty()) {
            QPainter lose(&buffer);
            lose.setClipRegion(exposed);
            lose.fillRect(rect(), palette().color(backgroundRole()));
        }
    }
    ownUpdate = QRect();

    QPainter p(this);
    const QRect area = event->rect();
    const qreal ratio = buffer.devicePixelRatio();
    p.drawImage(area, buffer,
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
    paintAxes(p);
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void PlotSurface::paintAxes(QPainter &p) const
{
    // The axes run along the left and bottom edges; each arrowhead has one stroke here and the
    // other on the window just outside the chart.
    const int right = width() - 1, bottom = height() - 1;
    p.setPen(QPen(palette().color(foregroundRole()), 1));
    p.drawLine(0, 0, 0, bottom);
    p.drawLine(0, bottom, right, bottom);
    p.drawLine(0, -3, 6, 12);
    p.drawLine(right - 15, bottom - 6, right, bottom);
}

void PlotSurface::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    matchBufferToScreen();
    setUserCoordinates(userCorners[0], userCorners[1], userCorners[2], userCorners[3]);
}
