#pragma once

#include <QColor>

/// The relative luminance of `colour`, from 0 (black) to 1 (white), as WCAG 2 defines it.
double relativeLuminance(const QColor &colour);

/// The contrast ratio of two colours, from 1 to 21, as WCAG 2 defines it.
double contrastRatio(const QColor &a, const QColor &b);
