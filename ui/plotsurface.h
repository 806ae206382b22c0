#pragma once

#include <QImage>
#include <QPainter>
#include <QTransform>
#include <QWidget>

#include <array>

/// A chart drawn on in user coordinates. Every operation acts at once, in call order, and needs
/// no refresh call; drawing outside the area is clipped. The axis lines belong to the layout
/// and are painted over the drawing on every repaint, so clearing never removes them.
class PlotSurface : public QWidget
{
    Q_OBJECT

public:
    explicit PlotSurface(QWidget *parent = nullptr);

    /// Gives the top-left corner the user coordinates (left, top) and the bottom-right corner
    /// (right, bottom); with top > bottom, y grows upward. A degenerate mapping is ignored.
    void setUserCoordinates(float left, float top, float right, float bottom);
    /// Erases the drawing to the background colour; keeps the mapping and the pen width.
    void clearSurface();
    /// A filled dot as wide as the pen width, centred on (x, y) in user coordinates.
    void plotPoint(float x, float y);
    /// A straight line from (x1, y1) to (x2, y2) in user coordinates, at the pen width.
    void drawSegment(float x1, float y1, float x2, float y2);
    /// Sets the width in pixels of the following points and lines (at least 1).
    void setPenWidth(int pixels);
    /// On: the drawing is kept and restored on every repaint. Off: a repaint the surface did
    /// not ask for itself, or its window's area being covered and uncovered, loses the drawing
    /// there.
    void setRetainDrawing(bool on);

    bool retainsDrawing() const { return retain; }
    int penWidth() const { return pen; }
    /// The drawing as it stands, at the surface's device-pixel ratio, without the axes.
    QImage image();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPainter &bufferPainter();
    void finishPainting();
    void plotPixel(QPointF centre);
    /// Fills the device pixels of `pixel` (device-independent) with a premultiplied colour.
    void fillPixel(QPoint pixel, QRgb ink);
    void matchBufferToScreen();
    void markDrawn(const QRectF &area);
    void paintAxes(QPainter &painter) const;

    QImage buffer;
    QPainter painter; ///< kept open on `buffer` between operations, ended before it is read
    QTransform userToPixel;
    std::array<float, 4> userCorners{ 0, 0, 1, 1 }; ///< left, top, right, bottom
    int pen = 1;
    bool retain = true;
    QRect ownUpdate; ///< the area this surface asked to repaint since its last paint
};
