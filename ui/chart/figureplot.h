#pragma once

#include "analysis/figure.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QLocale>
#include <QStaticText>
#include <QWidget>

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

QT_BEGIN_NAMESPACE
class QFontMetricsF;
class QPainter;
QT_END_NAMESPACE

/// How one painting of the figure looks.
struct FigureLook
{
    QColor background = Qt::white, ink = Qt::black;
    std::array<QColor, 8> colours; ///< one per Draw, in turn
    qreal textPixels = 16; ///< the height of the axis numbers and the legend, in target units
    QFont font; ///< family and weight of the texts; their size is textPixels
};

/// The colour-blind-safe colours of the Draws (Okabe and Ito's, adjusted): on a light
/// `background` darkened, on a dark one lightened, each to at least 3:1 contrast with it.
std::array<QColor, 8> figureColours(const QColor &background);

/// The line style of the Draw at `index` (from 0): five styles in turn, a cycle prime to the
/// colours' eight, so that Draws of the same colour or the same grey differ in their style.
Qt::PenStyle figureLineStyle(std::size_t index);

/// The text height for a figure of `size` at the program's `zoom`: in proportion to the smaller
/// side, within bounds, times the zoom.
qreal figureTextPixels(const QSizeF &size, double zoom);

/// Texts laid out or measured once and kept from one painting to the next: a legend row, an
/// axis number or a Draw's number is measured and drawn again on every paint (bench_figure,
/// drawWithFigure).
class FigureTextCache
{
public:
    /// `text` laid out in `font`.
    const QStaticText &text(const QString &text, const QFont &font);
    /// The advance of `text` in the font of `metrics`, which is `font`.
    qreal advance(const QString &text, const QFont &font, const QFontMetricsF &metrics);
    /// `value` as the axes write it, in the current locale.
    const QString &number(double value);

private:
    QFont shownFont;
    QHash<QString, QStaticText> texts;
    /// The advances measured, for each of the few fonts a figure uses.
    std::vector<std::pair<QFont, QHash<QString, qreal>>> advances;
    QLocale numberLocale;
    QHash<double, QString> numbers;
};

/// Paints `figure` into `area`: its title, the axes with a light grid and their numbers, every
/// Draw's isoquant, isocost line, fixed Y and marked point with its number, and the legend under
/// the plot (the latest rows, when not all fit). Lines and marks scale with the text. The one
/// painting function of the figure, for the screen, images, SVG, PDF and printers; `cache`, on
/// the screen, keeps the legend's texts laid out between paintings.
void paintFigure(QPainter &painter, const QRectF &area, const analysis::Figure &figure,
                 const FigureLook &look, FigureTextCache *cache = nullptr);

/// The figure's picture (Picture1 of FormFigure), painted again whole on every paint at the
/// screen's resolution; it takes the keyboard focus.
class FigurePlot : public QWidget
{
    Q_OBJECT

public:
    explicit FigurePlot(QWidget *parent = nullptr);

    /// Shows `figure`, which stays owned by the caller, from the next paint on.
    void setFigure(const analysis::Figure *figure);
    /// The look on the screen: the palette's colours, the text for this size and zoom.
    FigureLook screenLook() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    const analysis::Figure *shown = nullptr;
    FigureTextCache texts;
};
