#include "chartexport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace {

/// SVG and PDF open at this width in other programs: a figure that fits a page with margins.
constexpr qreal documentWidthMm = 120;
constexpr qreal mmPerInch = 25.4;

struct Geometry
{
    QSize pixels; ///< the picture at the PNG export's scale
    qreal penScale = 1;
};

Geometry imageGeometry(const ChartPicture &picture)
{
    const int scale = chartImageScale(picture.size, picture.minimumImageWidth);
    return { (picture.size * scale).toSize().expandedTo(QSize(1, 1)), qreal(scale) };
}

QString documentTitle(const ChartPicture &picture)
{
    return picture.title.isEmpty()
            ? QCoreApplication::translate("ChartExport", "Isoquants and isocost lines")
            : picture.title;
}

QString writePng(const ChartPicture &picture, QIODevice &device)
{
    const QImage image = chartImage(picture);
    if (image.isNull()) {
        const Geometry geometry = imageGeometry(picture);
        return QCoreApplication::translate(
                       "ChartExport", "There is not enough memory for an image of %1 x %2 pixels.")
                .arg(geometry.pixels.width())
                .arg(geometry.pixels.height());
    }
    QImageWriter writer(&device, "png");
    if (!writer.write(image))
        return writer.errorString();
    return QString();
}

QString writeSvg(const ChartPicture &picture, QIODevice &device)
{
    // Same units as the PNG, so both exports look alike; the resolution only sets the size at
    // which other programs open the drawing.
    const Geometry geometry = imageGeometry(picture);
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(geometry.pixels);
    svg.setViewBox(QRect(QPoint(0, 0), geometry.pixels));
    svg.setResolution(qRound(geometry.pixels.width() * mmPerInch / documentWidthMm));
    svg.setTitle(documentTitle(picture));
    QPainter painter;
    if (!painter.begin(&svg))
        return QCoreApplication::translate("ChartExport", "The drawing could not be started.");
    picture.paint(painter, QRectF(QPointF(0, 0), geometry.pixels), geometry.penScale,
                  geometry.penScale);
    painter.end();
    return QString();
}

QString writePdf(const ChartPicture &picture, QIODevice &device)
{
    const qreal heightMm = documentWidthMm * picture.size.height() / picture.size.width();
    QPdfWriter pdf(&device);
    pdf.setTitle(documentTitle(picture));
    pdf.setPageSize(QPageSize(QSizeF(documentWidthMm, heightMm), QPageSize::Millimeter, QString(),
                              QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf))
        return QCoreApplication::translate("ChartExport", "The document could not be started.");
    const QRectF page(QPointF(0, 0), QSizeF(pdf.width(), pdf.height()));
    const qreal scale = page.width() / picture.size.width();
    picture.paint(painter, page, scale, scale);
    painter.end();
    return QString();
}

/// Opens `path` through a QSaveFile, lets `write` fill it, and commits: the file is whole or
/// untouched.
template<class Write>
QString writeWhole(const QString &path, Write write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QString failed = write(file);
    if (!failed.isEmpty()) {
        file.cancelWriting();
        return failed;
    }
    if (file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace

std::optional<ChartFormat> chartFormatOfPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return ChartFormat::Png;
    if (suffix == QLatin1String("svg"))
        return ChartFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return ChartFormat::Pdf;
    return std::nullopt;
}

QStringList chartFormatFilters()
{
    return { QCoreApplication::translate("ChartExport", "PNG image (*.png)"),
             QCoreApplication::translate("ChartExport", "SVG drawing (*.svg)"),
             QCoreApplication::translate("ChartExport", "PDF document (*.pdf)") };
}

int chartImageScale(const QSizeF &pictureSize, int minimumWidth)
{
    if (!(pictureSize.width() > 0))
        return 1;
    return std::max(1, int(std::ceil(minimumWidth / pictureSize.width())));
}

QImage chartImage(const ChartPicture &picture)
{
    const Geometry geometry = imageGeometry(picture);
    QImage image(geometry.pixels, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    picture.paint(painter, QRectF(QPointF(0, 0), geometry.pixels), geometry.penScale,
                  geometry.penScale);
    return image;
}

QString exportChart(const ChartPicture &picture, const QString &path, ChartFormat format)
{
    return writeWhole(path, [&](QIODevice &device) {
        switch (format) {
        case ChartFormat::Png:
            return writePng(picture, device);
        case ChartFormat::Svg:
            return writeSvg(picture, device);
        case ChartFormat::Pdf:
            break;
        }
        return writePdf(picture, device);
    });
}

QString saveWhole(const QString &path, const QByteArray &bytes)
{
    return writeWhole(path, [&](QIODevice &device) {
        return device.write(bytes) == bytes.size() ? QString() : device.errorString();
    });
}
