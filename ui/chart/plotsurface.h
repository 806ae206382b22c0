#pragma once

#include "ui/chart/chartexport.h"
#include "ui/chart/chartpicture.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <optional>

/// A chart drawn on in user coordinates. Every operation acts at once, in call order, and needs
/// no refresh call; drawing outside the area is clipped. With retained drawing on, the
/// operations since the last clearing are kept (ChartDrawing) and the pixels are only their
/// cache, painted again sharp at any size or scale. The axes belong to the layout and are
/// painted over the drawing on every repaint, so clearing never removes them.
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
    /// On: the drawing is kept and restored on every repaint. Off: the drawing is not kept; a
    /// repaint the surface did not ask for itself, its window's area being covered and
    /// uncovered, or a change of size loses the drawing there.
    void setRetainDrawing(bool on);
    /// Ends one group of operations (a Draw's): a group equal to one kept already is kept once.
    void finishDraw();
    /// Design pixels to screen pixels, for pens, points and the axes; the size is set apart.
    void setScaleFactor(qreal factor);
    /// Shows the scale's ticks, numbers and unit note (in the figure's margin, see paintFrame).
    void setScaleShown(bool shown);

    bool retainsDrawing() const { return retain; }
    int penWidth() const { return pen; }
    qreal scaleFactor() const { return scale; }
    bool scaleShown() const { return showScale; }
    /// The top-left and bottom-right corners in user coordinates.
    QRectF userCorners() const { return corners; }
    /// The operations kept since the last clearing (none with retained drawing off).
    const ChartDrawing &drawing() const { return operations; }
    /// The look of this chart on the screen: palette colours, scale factor, scale shown; the
    /// axis letters are the window's labels.
    ChartLook screenLook() const;
    /// Paints the axes, arrowheads and, when shown, the scale for the chart standing at
    /// `chartArea` in the painter's coordinates; the part outside the chart is painted on the
    /// widget the surface was made in.
    void paintFrame(QPainter &painter, const QRectF &chartArea) const;
    /// The chart's whole figure as export and print see it, at the design's size: painted, when
    /// asked, from the drawing as it stands then.
    ChartPicture exportPicture();
    /// The drawing as it stands, at the surface's device-pixel ratio, without the axes.
    QImage image();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    ChartRenderer &renderer();
    void finishPainting();
    void matchBufferToScreen();
    void renderAgain();
    void markDrawn(const QRectF &area);
    QRegion focusFrame() const;

    QImage buffer;
    QPainter painter; ///< kept open on `buffer` between operations, ended before it is read
    std::optional<ChartRenderer> openRenderer; ///< lives while `painter` is open
    ChartDrawing operations;
    QRectF corners{ QPointF(0, 0), QPointF(1, 1) };
    int pen = 1;
    qreal scale = 1;
    bool retain = true;
    bool showScale = false;
    QRect ownUpdate; ///< the area this surface asked to repaint since its last paint
    QRegion ownFrame; ///< the focus frame this surface asked to repaint since its last paint
};
