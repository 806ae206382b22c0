#include "plotsurface.h"

#include <QPaintEvent>
#include <QWindow>
#include <QtMath>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

constexpr int maxPenWidth = 64;
constexpr int updateMargin = 16; ///< pixels added around a new mark to the pending repaint

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

enum Outside { Left = 1, Right = 2, Above = 4, Below = 8 };

int outside(QPointF p, const QRectF &box)
{
    return (p.x() < box.left()            ? Left
                    : p.x() > box.right() ? Right
                                          : 0)
            | (p.y() < box.top()              ? Above
                       : p.y() > box.bottom() ? Below
                                              : 0);
}

/// Cohen-Sutherland: the part of the segment a-b inside `box`, or nothing. Each crossing is
/// computed from the edge it lies on, in doubles, so coordinates far outside the chart neither
/// lose the visible part to rounding nor reach the painter's fixed-point arithmetic.
std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF &box)
{
    for (int round = 0; round < 8; ++round) {
        const int codeA = outside(a, box), codeB = outside(b, box);
        if ((codeA | codeB) == 0)
            return std::pair{ a, b };
        if (codeA & codeB)
            return std::nullopt;
        const int code = codeA ? codeA : codeB;
        QPointF &end = codeA ? a : b;
        const QPointF other = codeA ? b : a;
        const double dx = other.x() - end.x(), dy = other.y() - end.y();
        if (code & (Left | Right)) {
            const double x = code & Left ? box.left() : box.right();
            end = QPointF(x, end.y() + dy * ((x - end.x()) / dx));
        } else {
            const double y = code & Above ? box.top() : box.bottom();
            end = QPointF(end.x() + dx * ((y - end.y()) / dy), y);
        }
    }
    return std::nullopt;
}

} // namespace

PlotSurface::PlotSurface(QWidget *parent) : QWidget(parent)
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
    if (pen == 1) {
        plotPixel(centre);
        return;
    }
    const QRectF dot(centre.x() - pen / 2.0, centre.y() - pen / 2.0, pen, pen);
    if (!dot.intersects(rect()))
        return;
    QPainter &p = bufferPainter();
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(foregroundRole()));
    p.drawEllipse(dot);
    markDrawn(dot);
}

void PlotSurface::plotPixel(QPointF centre)
{
    // A Cobb-Douglas curve is some 1600 single pixels, the bulk of a Draw: each is written
    // straight into the buffer, with a few comparisons and no painter call. The painter, if
    // open, paints the same memory, so the call order is kept.
    const double column = std::floor(centre.x()), row = std::floor(centre.y());
    if (!(column >= 0 && column < width() && row >= 0 && row < height()))
        return;
    const QPoint pixel(static_cast<int>(column), static_cast<int>(row));
    if (buffer.isNull())
        matchBufferToScreen();
    const QRgb ink = qPremultiply(palette().color(foregroundRole()).rgba());
    if (buffer.devicePixelRatio() == 1 && pixel.x() < buffer.width() && pixel.y() < buffer.height())
        reinterpret_cast<QRgb *>(buffer.scanLine(pixel.y()))[pixel.x()] = ink;
    else
        fillPixel(pixel, ink);
    // Most pixels of a curve lie inside the pending repaint already.
    if (pixel.x() - 1 < ownUpdate.left() || pixel.x() + 1 > ownUpdate.right()
        || pixel.y() - 1 < ownUpdate.top() || pixel.y() + 1 > ownUpdate.bottom())
        markDrawn(QRectF(pixel, QSizeF(1, 1)));
}

void PlotSurface::fillPixel(QPoint pixel, QRgb ink)
{
    const qreal ratio = buffer.devicePixelRatio();
    const QRect device =
            QRect(QPoint(qRound(pixel.x() * ratio), qRound(pixel.y() * ratio)),
                  QPoint(qRound((pixel.x() + 1) * ratio) - 1, qRound((pixel.y() + 1) * ratio) - 1))
            & buffer.rect();
    for (int row = device.top(); row <= device.bottom(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(buffer.scanLine(row));
        std::fill(line + device.left(), line + device.right() + 1, ink);
    }
}

void PlotSurface::drawSegment(float x1, float y1, float x2, float y2)
{
    const QPointF a = userToPixel.map(QPointF(x1, y1)), b = userToPixel.map(QPointF(x2, y2));
    if (!finite(a) || !finite(b))
        return;
    const double margin = pen + 1.0;
    const auto visible =
            clipSegment(a, b, QRectF(rect()).adjusted(-margin, -margin, margin, margin));
    if (!visible)
        return;
    QPainter &p = bufferPainter();
    p.setPen(QPen(palette().color(foregroundRole()), pen, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(visible->first, visible->second);
    markDrawn(QRectF(visible->first, visible->second)
                      .normalized()
                      .adjusted(-margin, -margin, margin, margin));
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
    if (buffer.isNull())
        matchBufferToScreen();
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
    // It grows by a margin around each new mark, so that the next points of a curve mostly
    // fall inside it and need no new repaint request.
    ownUpdate |= dirty.adjusted(-updateMargin, -updateMargin, updateMargin, updateMargin) & rect();
    update(ownUpdate);
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
    if (event->type() == QEvent::Expose && !retain && isVisible()
        && watched == window()->windowHandle()) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        const QRegion exposed = static_cast<QExposeEvent *>(event)->region(); // window coordinates
        QT_WARNING_POP
        QRegion here;
        for (const QRect &area : exposed)
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
                QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                       area.height() * ratio));
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
