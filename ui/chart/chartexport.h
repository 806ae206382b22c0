#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>

QT_BEGIN_NAMESPACE
class QByteArray;
class QImage;
class QPainter;
QT_END_NAMESPACE

/// The chart's whole picture as export and print see it.
struct ChartPicture
{
    /// The picture's size on screen at 100 %, in device-independent pixels.
    QSizeF size;
    /// Where the chart's area, from 0 to 10 on both axes, lies in the picture, in the same units.
    QRectF plotArea;
    /// Paints the picture dark on white into `target`, pens `penScale` times their width on
    /// screen and letters and numbers `textScale` times their size on screen (a printed page
    /// keeps them in proportion to its own text rather than to the chart).
    std::function<void(QPainter &painter, const QRectF &target, qreal penScale, qreal textScale)>
            paint;
    /// The title of an SVG or PDF document; empty: the main chart's.
    QString title;
    /// The file name the save dialog proposes, its suffix choosing the format; empty: the main
    /// chart's, "chart.png".
    QString fileName;
    /// The least width of a PNG export, in pixels.
    int minimumImageWidth = 1200;
};

/// The file formats the chart is exported in.
enum class ChartFormat { Png, Svg, Pdf };

/// The format a file name's suffix asks for (case ignored), if any.
std::optional<ChartFormat> chartFormatOfPath(const QString &path);

/// The save dialog's filters, in the order of ChartFormat.
QStringList chartFormatFilters();

/// The PNG export's scale: the least whole multiple of the picture's size that is at least
/// `minimumWidth` pixels across, so that lines stay as crisp as on screen.
int chartImageScale(const QSizeF &pictureSize, int minimumWidth = 1200);

/// The picture as the PNG export writes it, dark on white; a null image when there is not
/// enough memory for it.
QImage chartImage(const ChartPicture &picture);

/// Writes the picture to `path` in `format`: whole or not at all. Returns an empty string on
/// success, otherwise the system's reason.
QString exportChart(const ChartPicture &picture, const QString &path, ChartFormat format);

/// Writes `bytes` to `path`: whole or not at all. Returns an empty string on success, otherwise
/// the system's reason.
QString saveWhole(const QString &path, const QByteArray &bytes);
