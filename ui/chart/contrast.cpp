#include "contrast.h"

#include <algorithm>
#include <cmath>

double relativeLuminance(const QColor &colour)
{
    // sRGB's own threshold, 0.04045; the 0.03928 of older texts gives the same luminance for
    // every 8-bit channel value.
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
