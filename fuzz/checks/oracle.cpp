#include "fuzz/checks/oracle.h"

#include "fuzz/checks/captions.h"
#include "fuzz/checks/reference.h"

#include <cfloat>
#include <cmath>
#include <string>

namespace checks {

namespace {

using namespace analysis;

/// The working state of one Draw. Once a step has faulted every later step is skipped.
class Steps
{
public:
    explicit Steps(const DrawInputs &inputs) : in(inputs) { }

    bool faulted() const { return run.faultAfter.has_value(); }

    double read(const std::string &text)
    {
        const std::optional<double> value = referenceValue(text);
        if (!value)
            fault();
        return value.value_or(0);
    }
    double priceX() { return read(in.priceX); }
    double priceY() { return read(in.priceY); }

    double divide(double a, double b)
    {
        if (b == 0)
            fault();
        return finite(a / b);
    }
    double power(double base, double exponent)
    {
        if (base < 0 && std::trunc(exponent) != exponent)
            fault(); // a negative base under a non-integral exponent
        if (base == 0 && exponent < 0)
            fault(); // zero under a negative exponent divides by zero
        return finite(std::pow(base, exponent));
    }
    double finite(double value)
    {
        if (!std::isfinite(value))
            fault();
        return value;
    }
    /// False (and a fault) when `value` does not fit a single-precision chart coordinate.
    bool fitsChart(double value)
    {
        if (faulted() || !(std::fabs(value) <= FLT_MAX)) {
            fault();
            return false;
        }
        return true;
    }

    /// Stops the Draw here, as a fault does.
    void stop() { fault(); }

    void emit(Effect effect)
    {
        if (!faulted())
            run.effects.push_back(std::move(effect));
    }

    void segment(double x1, double y1, double x2, double y2)
    {
        if (fitsChart(x1) && fitsChart(y1) && fitsChart(x2) && fitsChart(y2))
            emit(DrawSegment{ float(x1), float(y1), float(x2), float(y2) });
    }

    /// A wide dot at (x, y); both coordinates are converted before the pen changes, so a fault
    /// never leaves the pen wide.
    void widePoint(int pixels, double x, double y)
    {
        if (!fitsChart(x) || !fitsChart(y))
            return;
        emit(SetPenWidth{ pixels });
        emit(PlotPoint{ float(x), float(y) });
        emit(SetPenWidth{ 1 });
    }

    std::string pattern(double value, bool leadingZero)
    {
        return referencePattern(value, leadingZero, in.decimalSeparator);
    }

    const DrawInputs &in;
    OracleRun run;
    double level = 0, minCost = 0, bestX = 0, bestY = 0;
    int optimumPoints = 1; ///< more than 1 when different combinations cost the same
    double coefX = 0, coefY = 0, cdExpX = 0, cdExpY = 0;

private:
    void fault()
    {
        if (!run.faultAfter)
            run.faultAfter = run.effects.size();
    }
};

void slope(Steps &s)
{
    const double value = s.divide(s.priceX(), s.priceY());
    if (!s.faulted())
        s.emit(SetCaption{ ResultLabel::Slope,
                           "The slope of the isocost line is :  - " + s.pattern(value, true) });
}

/// The heading shown, the result line and the average cost; `scale` turns the working
/// quantities into the reported ones, `quantity` is what the average cost divides by.
void report(Steps &s, double scale, double quantity)
{
    s.emit(ShowLabel{ ResultLabel::Heading });
    const double x = s.finite(scale * s.bestX);
    const double y = s.finite(scale * s.bestY);
    const double priceX = s.priceX();
    const double priceY = s.priceY();
    const double cost = s.finite(scale * s.minCost);
    if (s.faulted())
        return;
    if (s.optimumPoints > 1)
        s.emit(AppendToCaption{ ResultLabel::ResultList, std::string(tiePiece) });
    const std::string &sep = s.in.decimalSeparator;
    s.emit(AppendToCaption{ ResultLabel::ResultList,
                            " X = " + s.pattern(x, true) + " Y = " + s.pattern(y, true)
                                    + " at price of X=" + referencePlain(priceX, sep)
                                    + " and of Y =" + referencePlain(priceY, sep)
                                    + ". Cost = " + s.pattern(cost, true) + "\r" });
    const double average = s.divide(s.minCost, quantity);
    if (!s.faulted())
        s.emit(SetCaption{ ResultLabel::AverageCost,
                           "The average cost of production is : " + s.pattern(average, false) });
}

void isocost(Steps &s, double costThousands)
{
    const double interceptX = s.divide(costThousands, s.priceX());
    const double interceptY = s.divide(costThousands, s.priceY());
    s.segment(interceptX, 0, 0, interceptY);
}

void isocost(Steps &s)
{
    isocost(s, s.minCost);
}

/// The exact cheapest Cobb-Douglas combination of `q` units at positive prices, in units, from
/// the tangency of the isocost line with the isoquant; false when it is not defined or does not
/// fit a double. The same closed form as the curves windows', in logarithms.
bool exactCobbDouglas(const Steps &s, double q, double priceX, double priceY, double &x, double &y,
                      double &cost)
{
    if (!(priceX > 0 && priceY > 0 && q >= 0) || !std::isfinite(priceX) || !std::isfinite(priceY)
        || !std::isfinite(q))
        return false;
    if (q == 0) {
        x = y = cost = 0;
        return true;
    }
    const double a = s.cdExpX, b = s.cdExpY, sum = a + b;
    const double ratio = std::log(b) + std::log(priceX) - std::log(a) - std::log(priceY);
    x = std::exp((std::log(q) - b * ratio) / sum);
    y = std::exp((std::log(q) + a * ratio) / sum);
    cost = priceX * x + priceY * y;
    return x > 0 && y > 0 && std::isfinite(x) && std::isfinite(y) && std::isfinite(cost);
}

void longRun(Steps &s)
{
    s.emit(SetCaption{ ResultLabel::Heading, std::string(longRunHeading) });
    switch (s.in.technology) {
    case TechnologyType::PerfectSubstitutes: {
        const double costAllX = s.finite(s.divide(s.level, s.coefX) * s.priceX());
        const double costAllY = s.finite(s.divide(s.level, s.coefY) * s.priceY());
        if (costAllX < costAllY) {
            s.minCost = costAllX;
            s.bestX = s.divide(s.level, s.coefX);
            s.bestY = 0;
        } else {
            s.minCost = costAllY;
            s.bestX = 0;
            s.bestY = s.divide(s.level, s.coefY);
        }
        // Equal corner costs at a level other than 0: two different cheapest corners.
        if (costAllX == costAllY && s.level != 0)
            s.optimumPoints = 2;
        isocost(s);
        s.widePoint(8, s.bestX, s.bestY);
        break;
    }
    case TechnologyType::FixedProportions:
        s.minCost = s.finite(s.finite(s.level * s.priceX()) + s.finite(s.level * s.priceY()));
        s.bestX = s.level;
        s.bestY = s.level;
        s.segment(s.level, s.level, s.level, 10);
        s.segment(s.level, s.level, 10, s.level);
        isocost(s);
        break;
    case TechnologyType::CobbDouglas: {
        const double priceX = s.priceX();
        const double priceY = s.priceY();
        // X^a Y^b = q with X and Y in thousands: x^a y^b = level 1000^(1 - a - b), level in
        // thousands; the factor is left out altogether for constant returns to scale.
        double level = s.level;
        const double sum = s.finite(s.cdExpX + s.cdExpY);
        if (sum != 1)
            level = s.finite(s.level * s.power(1000, s.finite(1 - sum)));
        bool first = true;
        for (double scanX = 0.001; scanX <= 10 && !s.faulted(); scanX += 0.005) {
            const double scanY =
                    s.power(s.divide(level, s.power(scanX, s.cdExpX)), s.divide(1, s.cdExpY));
            if (s.faulted())
                break;
            if (scanY < 10 && scanY > 0)
                s.emit(PlotPoint{ float(scanX), float(scanY) });
            const double cost = s.finite(s.finite(scanX * priceX) + s.finite(scanY * priceY));
            // The cheapest scanned point is the choice, however expensive it is.
            if (first || cost < s.minCost) {
                s.minCost = cost;
                s.bestX = scanX;
                s.bestY = scanY;
                first = false;
            }
        }
        if (s.faulted())
            return;
        // Beyond the scan's inner points (X from 6 to 9991 units) the exact combination is
        // reported, in units.
        const double q = s.read(s.in.level);
        double x = 0, y = 0, cost = 0;
        if (exactCobbDouglas(s, q, priceX, priceY, x, y, cost) && (x < 6 || x > 9991)) {
            isocost(s, s.divide(cost, 1000));
            s.bestX = x;
            s.bestY = y;
            s.minCost = cost;
            if (s.faulted())
                return;
            slope(s);
            report(s, 1, q);
            return;
        }
        isocost(s);
        break;
    }
    }
    if (s.faulted())
        return;
    slope(s);
    report(s, 1000, s.level);
}

void shortPeriod(Steps &s)
{
    const double fixedY = s.read(s.in.fixedY);
    s.emit(SetCaption{ ResultLabel::Heading, std::string(shortPeriodHeading) });
    const double q = s.finite(s.level * 1000);
    const auto cost = [&] {
        return s.finite(s.finite(s.priceX() * s.bestX) + s.finite(s.priceY() * s.bestY));
    };
    const auto mark = [&] { s.widePoint(4, s.bestX / 1000, s.bestY / 1000); };
    switch (s.in.technology) {
    case TechnologyType::PerfectSubstitutes:
        s.bestX = s.divide(s.finite(q - s.finite(s.coefY * fixedY)), s.coefX);
        if (s.bestX < 0)
            s.bestX = 0;
        s.bestY = fixedY;
        s.minCost = cost();
        s.divide(s.minCost, s.priceX());
        s.divide(s.minCost, s.priceY());
        mark();
        slope(s);
        break;
    case TechnologyType::FixedProportions:
        if (fixedY < q) {
            s.emit(AppendToCaption{ ResultLabel::ResultList, std::string(impossibilityLine) });
            return;
        }
        s.bestY = fixedY;
        s.bestX = q;
        s.minCost = cost();
        slope(s);
        mark();
        break;
    case TechnologyType::CobbDouglas:
        s.bestX = s.power(s.divide(q, s.power(fixedY, s.cdExpY)), s.divide(1, s.cdExpX));
        s.bestY = fixedY;
        s.minCost = cost();
        mark();
        slope(s);
        break;
    }
    if (!s.faulted())
        report(s, 1, q);
}

} // namespace

OracleRun oracleDraw(const DrawInputs &inputs)
{
    Steps s(inputs);
    const TechnologyType type = inputs.technology;
    if (type != TechnologyType::PerfectSubstitutes && type != TechnologyType::FixedProportions
        && type != TechnologyType::CobbDouglas)
        return {};
    s.level = s.divide(s.read(inputs.level), 1000);
    bool parametersAboveZero = true;
    if (type == TechnologyType::PerfectSubstitutes) {
        s.coefX = s.read(inputs.coefX);
        s.coefY = s.read(inputs.coefY);
        parametersAboveZero = s.coefX > 0 && s.coefY > 0;
    } else if (type == TechnologyType::CobbDouglas) {
        s.cdExpX = s.read(inputs.cdExpX);
        s.cdExpY = s.read(inputs.cdExpY);
        parametersAboveZero = s.cdExpX > 0 && s.cdExpY > 0;
    }
    // A coefficient or an exponent of 0 or less stops the Draw before anything is shown.
    if (!parametersAboveZero)
        s.stop();
    if (!s.faulted()) {
        if (inputs.shortPeriod)
            shortPeriod(s);
        else
            longRun(s);
    }
    return std::move(s.run);
}

} // namespace checks
