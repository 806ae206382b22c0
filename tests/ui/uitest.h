#pragma once

#include "ui/chart/contrast.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QtGlobal>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

/// The object under `root` named `name`, found as the tests reach every control; a missing one
/// ends the test program, since every later check would be meaningless.
template<class T>
T *findControl(const QObject *root, const char *name)
{
    T *found = root->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Pixel checks on a chart image whose user coordinates run from 0 to 10 on both axes, y upward.

/// The device pixel of the image at user coordinates (x, y).
inline QPoint chartPixel(const QImage &image, double x, double y)
{
    return { qFloor(x / 10.0 * image.width()), qFloor((10.0 - y) / 10.0 * image.height()) };
}

/// Whether a pixel within `radius` device pixels of `at` is drawn (dark on the light background).
inline bool inkAround(const QImage &image, QPoint at, int radius = 1)
{
    for (int y = at.y() - radius; y <= at.y() + radius; ++y)
        for (int x = at.x() - radius; x <= at.x() + radius; ++x)
            if (image.valid(x, y) && qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

/// Whether anything is drawn near user coordinates (x, y).
inline bool inkNear(const QImage &image, double x, double y, int radius = 1)
{
    return inkAround(image, chartPixel(image, x, y), radius);
}

/// Whether nothing at all is drawn.
inline bool blank(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return false;
    return true;
}

/// The highest contrast ratio (WCAG 2) of any pixel of `image` against `background`.
inline double bestContrast(const QImage &image, QColor background)
{
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, contrastRatio(image.pixelColor(x, y), background));
    return best;
}

/// The polylines of an SVG file as QSvgGenerator writes them, each with its points and the
/// stroke opacity of its group; a light grey stroke counts as faint as a translucent one.
struct SvgPolyline
{
    QList<QPointF> points;
    double opacity = 1;
};

/// How faint a group's stroke is: its opacity, or 0.5 for an opaque light grey (a grid's colour
/// mixed with the background in advance).
inline double strokeFaintness(const QXmlStreamAttributes &attributes, double inherited)
{
    const QStringView opacity = attributes.value(QLatin1String("stroke-opacity"));
    if (!opacity.isEmpty() && opacity.toDouble() < 1)
        return opacity.toDouble();
    const QColor stroke(attributes.value(QLatin1String("stroke")).toString());
    if (stroke.isValid() && stroke.red() == stroke.green() && stroke.green() == stroke.blue()
        && stroke.red() >= 0xc0 && stroke.red() < 0xff)
        return 0.5;
    return opacity.isEmpty() ? inherited : opacity.toDouble();
}

inline QList<SvgPolyline> svgPolylines(const QByteArray &svg)
{
    QList<SvgPolyline> lines;
    QList<double> opacities{ 1 };
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == QLatin1String("g"))
            opacities.removeLast();
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == QLatin1String("g")) {
            opacities << strokeFaintness(attributes, opacities.last());
        } else if (reader.name() == QLatin1String("polyline")) {
            SvgPolyline line{ {}, opacities.last() };
            for (const QString &pair : attributes.value(QLatin1String("points"))
                                               .toString()
                                               .split(u' ', Qt::SkipEmptyParts))
                line.points << QPointF(pair.section(u',', 0, 0).toDouble(),
                                       pair.section(u',', 1, 1).toDouble());
            lines << line;
        }
    }
    return lines;
}

/// The curves of an SVG chart (polylines of three points or more, opaque) that stray outside
/// the frame their grid (the faint polylines) spans, in a picture holding `charts` charts side
/// by side: the number of points outside, by more than `slack` units.
inline int svgCurvePointsOutsideGrid(const QByteArray &svg, qreal pictureWidth, int charts,
                                     qreal slack)
{
    const QList<SvgPolyline> lines = svgPolylines(svg);
    QList<QRectF> frames(charts);
    const auto chartOf = [&](const QPointF &p) {
        return std::clamp(int(p.x() / pictureWidth * charts), 0, charts - 1);
    };
    for (const SvgPolyline &line : lines)
        if (line.opacity < 1 && line.points.size() == 2) {
            const QRectF span = QRectF(line.points[0], line.points[1]).normalized();
            QRectF &frame = frames[chartOf(span.center())];
            frame = frame.isNull() ? span : frame.united(span);
        }
    int outside = 0;
    for (const SvgPolyline &line : lines)
        if (line.opacity == 1 && line.points.size() >= 3)
            for (const QPointF &p : line.points)
                outside += !frames[chartOf(p)].adjusted(-slack, -slack, slack, slack).contains(p);
    return outside;
}
