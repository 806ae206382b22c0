#include "analysis/detail/chartsampling.h"

#include "analysis/numericvalue.h"

#include <cmath>

namespace analysis::detail {

std::optional<double> readBox(const std::string &text, const std::string &box, bool zeroAllowed,
                              std::string &outOfRange)
{
    const std::optional<double> value = numericValue(text);
    if (value && std::isfinite(*value) && (*value > 0 || (zeroAllowed && *value == 0)))
        return value;
    if (outOfRange.empty())
        outOfRange = box + " is out of range: it must be a number "
                + (zeroAllowed ? "of at least 0." : "greater than 0.");
    return std::nullopt;
}

std::optional<Axis> niceAxis(std::string title, double extent)
{
    if (!(extent > 0))
        extent = 1;
    const double rough = extent / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double multiple : { 1.0, 2.0, 2.5, 5.0 }) {
        if (multiple * power >= rough) {
            step = multiple * power;
            break;
        }
    }
    const double max = std::ceil(extent / step * (1 - 1e-12)) * step;
    if (!std::isfinite(max) || !(step > 0))
        return std::nullopt;
    return Axis{ std::move(title), max, step };
}

} // namespace analysis::detail
