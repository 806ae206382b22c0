#pragma once

#include <optional>

// The consumer's choice in closed form: the basket an income buys, the cheapest basket that
// reaches a utility, and a change in the price of X split into its substitution and income
// effects. Prices, the new price, a and b must be above 0, an income 0 or more, a utility 0 or
// more (any finite number for quasi-linear preferences), all finite. Every function answers
// nullopt outside that domain, or where a result does not fit a double: one that overflows, or
// one not 0 whose size falls below the smallest normal double, where it keeps few digits; none
// throws.

namespace analysis {

/// The form of the utility: a X + b Y; min(a X, b Y); X^a Y^b; a ln X + b Y.
enum class PreferenceType {
    PerfectSubstitutes = 1,
    PerfectComplements = 2,
    CobbDouglas = 3,
    QuasiLinear = 4
};

/// A consumer's preferences: the form of the utility and its parameters.
struct Preferences
{
    PreferenceType type = PreferenceType::CobbDouglas;
    double a = 0.5, b = 0.5;
};

/// Quantities of X and Y, the utility they give, and whether another basket is as good.
struct Basket
{
    double x = 0, y = 0, utility = 0;
    bool tied = false; ///< perfect substitutes at equal utility per unit of money: the Y corner
};

/// The basket a consumer with this income chooses (the most utility that income buys).
std::optional<Basket> chosenBasket(const Preferences &, double priceX, double priceY,
                                   double income);
/// The cheapest basket that gives this utility; its cost is priceX x + priceY y.
std::optional<Basket> cheapestBasket(const Preferences &, double priceX, double priceY,
                                     double utility);

/// A change in the price of X, as quantities of X and sums of money.
struct PriceEffects
{
    /// Hicks: compensated = cheapest basket at the new price with before's utility.
    Basket before, compensated, after;
    Basket slutsky; ///< chosen at the new price with the income that buys `before` again
    double substitution = 0, income = 0; ///< compensated.x - before.x, after.x - compensated.x
    double slutskySubstitution = 0,
           slutskyIncome = 0; ///< slutsky.x - before.x, after.x - slutsky.x
    /// Income minus the cost at the new price of before's utility; the cost at the old price
    /// of after's utility minus the income. Both are above 0 when the price falls.
    double compensatingVariation = 0, equivalentVariation = 0;
};

/// The effects on the consumer of the price of X going from priceX to newPriceX.
std::optional<PriceEffects> priceEffects(const Preferences &, double priceX, double newPriceX,
                                         double priceY, double income);

} // namespace analysis
