#include "analysis/detail/isoquant.h"

#include "analysis/detail/drawcontext.h"

namespace analysis {

void cobbDouglasScan(DrawContext &context)
{
    CheckedArithmetic &calc = context.arithmetic;
    const double priceX = context.priceX();
    const double priceY = context.priceY();
    const double level = context.level;
    const double cdExpX = context.parameters.cdExpX;
    // Loop-invariant; a zero exponent faults before the first point, as it would inside the loop.
    const double inverseExpY = calc.divide(1, context.parameters.cdExpY);
    if (!context.ok())
        return;

    bool first = true;
    for (double scanX = 0.001; scanX <= 10; scanX += 0.005) {
        const double scanY = calc.power(calc.divide(level, calc.power(scanX, cdExpX)), inverseExpY);
        if (!context.ok())
            return;
        if (scanY < 10 && scanY > 0)
            context.emit(PlotPoint{ static_cast<float>(scanX), static_cast<float>(scanY) });
        const double cost = calc.add(calc.multiply(scanX, priceX), calc.multiply(scanY, priceY));
        if (!context.ok())
            return;
        // The first point is always a candidate, so the cheapest scanned point is reported
        // however expensive every point is.
        if (first || cost < context.minCost) {
            context.minCost = cost;
            context.bestX = scanX;
            context.bestY = scanY;
            first = false;
        }
    }
}

void fixedProportionsIsoquant(DrawContext &context)
{
    const float corner = context.arithmetic.toChart(context.level);
    context.emit(DrawSegment{ corner, corner, corner, 10 });
    context.emit(DrawSegment{ corner, corner, 10, corner });
}

} // namespace analysis
