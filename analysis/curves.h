#pragma once

#include "analysis/technologies.h"

#include <optional>

// Exact costs and input demands of the technologies of the table, in plain units (not
// thousands). Every function answers nullopt outside its domain (prices > 0, parameters within
// the table's domain, levels >= 0, a fixed Y > 0, all finite) or where the answer does not fit a
// double; none throws.

namespace analysis {

/// Cheapest inputs that produce q in the long run; nullopt where no cheapest bundle exists.
std::optional<Bundle> cheapestBundle(const Technology &, double priceX, double priceY, double q);
/// Inputs that produce q with Y fixed at fixedY, all of it paid for; nullopt where q cannot be
/// reached.
std::optional<Bundle> fixedYBundle(const Technology &, double priceX, double priceY, double fixedY,
                                   double q);

/// Long-run costs of the level q, in money and money per unit of output.
struct LongRunCosts
{
    double total = 0;
    std::optional<double> average; ///< none at q = 0
    std::optional<double> marginal; ///< none where it is infinite
};

/// Short-period costs of the level q with Y fixed, in money and money per unit of output.
struct ShortPeriodCosts
{
    double total = 0, variable = 0, fixed = 0;
    std::optional<double> average, averageVariable, averageFixed; ///< none at q = 0
    /// Cost of the next unit (the right-hand derivative at a kink); none where it is infinite.
    std::optional<double> marginal;
};

/// The long-run costs of producing q.
std::optional<LongRunCosts> longRunCosts(const Technology &, double priceX, double priceY,
                                         double q);
/// The short-period costs of producing q with Y fixed at fixedY; nullopt where q cannot be
/// reached.
std::optional<ShortPeriodCosts> shortPeriodCosts(const Technology &, double priceX, double priceY,
                                                 double fixedY, double q);

/// The level whose cheapest long-run bundle uses exactly fixedY of Y, where the short-period
/// costs touch the long-run ones; nullopt where no level does (perfect substitutes using only X).
std::optional<double> levelForLongRunY(const Technology &, double priceX, double priceY,
                                       double fixedY);

/// The price of X at which the long-run demands jump from one corner to the other; nullopt where
/// they are continuous (or outside the domain).
std::optional<double> demandJumpPriceX(const Technology &, double priceY);

/// The isoquant of q, exactly, in plain units: a line, an L or a curve.
std::optional<IsoquantShape> isoquantShape(const Technology &, double q);
/// The quantity of Y on the isoquant of q at x of X, in plain units (on an upright arm of an L,
/// its corner's Y); nullopt where no quantity of Y with x of X produces q.
std::optional<double> isoquantY(const Technology &, double q, double x);

} // namespace analysis
