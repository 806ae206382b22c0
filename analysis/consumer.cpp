#include "analysis/consumer.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace analysis {

namespace {

bool positive(double value)
{
    return std::isfinite(value) && value > 0;
}

/// Whether a result that is above 0 in exact arithmetic came out as a normal double: neither
/// overflowed nor lost to underflow.
bool fits(double value)
{
    return std::isfinite(value) && value >= DBL_MIN;
}

bool validPreferences(const Preferences &p)
{
    const bool known =
            p.type >= PreferenceType::PerfectSubstitutes && p.type <= PreferenceType::QuasiLinear;
    return known && positive(p.a) && positive(p.b);
}

bool validPrices(const Preferences &p, double priceX, double priceY)
{
    return validPreferences(p) && positive(priceX) && positive(priceY);
}

/// ln(e^first + e^second), without leaving the doubles on the way.
double logOfSum(double first, double second)
{
    const double larger = std::max(first, second), smaller = std::min(first, second);
    return larger + std::log1p(std::exp(smaller - larger));
}

/// What the share own / (own + other) of the income buys at this price, directly where every
/// step stays a normal double, otherwise in logarithms: a step below the normal doubles keeps
/// few digits, and one beyond them none, where the quantity itself may fit.
double cobbDouglasQuantity(double own, double other, double income, double price)
{
    const double share = own / (own + other), spent = share * income, quantity = spent / price;
    if (std::isnormal(share) && std::isnormal(spent) && std::isnormal(quantity))
        return quantity;
    return std::exp(std::log(own) - logOfSum(std::log(own), std::log(other)) + std::log(income)
                    - std::log(price));
}

/// -1, 0 or 1 as a / priceX is below, equal to or above b / priceY: whether a unit of money buys
/// less, as much or more utility spent on X than on Y. The ratios are compared as doubles, as
/// the production core compares the costs of a unit of output; where one of them overflows or
/// underflows, their logarithms are compared instead.
int compareUtilityPerMoney(const Preferences &p, double priceX, double priceY)
{
    const double onX = p.a / priceX, onY = p.b / priceY;
    if (std::isnormal(onX) && std::isnormal(onY))
        return (onX > onY) - (onX < onY);
    const double logX = std::log(p.a) - std::log(priceX), logY = std::log(p.b) - std::log(priceY);
    return (logX > logY) - (logX < logY);
}

/// What a quasi-linear consumer spends on X once the income also buys Y: a priceY / b, the same
/// at any price of X and any income above it (the income's threshold). In logarithms where the
/// direct quotient or product leaves the normal doubles, so that it overflows, or underflows,
/// only where the spending itself does; below the normal doubles it keeps too few digits to
/// use.
double quasiLinearSpendingOnX(const Preferences &p, double priceY)
{
    const double ratio = p.a / p.b, spending = ratio * priceY;
    if (std::isnormal(ratio) && std::isnormal(spending))
        return spending;
    return std::exp(std::log(p.a) + std::log(priceY) - std::log(p.b));
}

/// The Cobb-Douglas utility x^a y^b, in logarithms so that no power overflows on the way.
double cobbDouglasUtility(const Preferences &p, double x, double y)
{
    if (x == 0 || y == 0)
        return 0;
    return std::exp(p.a * std::log(x) + p.b * std::log(y));
}

std::optional<Basket> checked(double x, double y, double utility, bool tied = false)
{
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(utility))
        return std::nullopt;
    return Basket{ x, y, utility, tied };
}

/// Whether a ln x, not 0, falls below the normal doubles, where it keeps few digits.
bool logTermLost(double a, double x)
{
    return std::log(x) != 0 && !(std::fabs(a * std::log(x)) >= DBL_MIN);
}

/// The quasi-linear basket (x, y) with its utility; refused where the utility or one of its
/// terms, not 0, falls below the normal doubles and keeps only a few digits.
std::optional<Basket> quasiLinearBasket(const Preferences &p, double x, double y)
{
    const double fromY = p.b * y, utility = p.a * std::log(x) + fromY;
    if (logTermLost(p.a, x) || (y > 0 && !fits(fromY))
        || (utility != 0 && std::fabs(utility) < DBL_MIN))
        return std::nullopt;
    return checked(x, y, utility);
}

/// The share a / (a + b) of the utility's exponents, exact to rounding however large or small
/// a and b are.
double exponentShare(double own, double other)
{
    return 1 / (1 + other / own);
}

/// The cheapest Cobb-Douglas basket at these prices whose utility has the logarithm
/// (a + b) meanLog: the tangency y / x = b priceX / (a priceY), where ln x and ln y are meanLog
/// less and more the ratio's logarithm in the shares b / (a + b) and a / (a + b).
std::optional<Basket> cheapestCobbDouglas(const Preferences &p, double priceX, double priceY,
                                          double meanLog, double utility)
{
    const double ratio = std::log(p.b) + std::log(priceX) - std::log(p.a) - std::log(priceY);
    const double x = std::exp(meanLog - exponentShare(p.b, p.a) * ratio);
    const double y = std::exp(meanLog + exponentShare(p.a, p.b) * ratio);
    return fits(x) && fits(y) ? checked(x, y, utility) : std::nullopt;
}

/// The cheapest basket at these prices as good as `basket`. For Cobb-Douglas preferences it is
/// found from the logarithms of the basket, which keep digits that its utility may have lost:
/// with a + b small, x^a y^b is close to 1 for any basket, and the cost of a utility level moves
/// with its power 1 / (a + b).
std::optional<Basket> cheapestAsGoodAs(const Preferences &p, double priceX, double priceY,
                                       const Basket &basket)
{
    if (p.type == PreferenceType::CobbDouglas && basket.utility > 0)
        return cheapestCobbDouglas(p, priceX, priceY,
                                   exponentShare(p.a, p.b) * std::log(basket.x)
                                           + exponentShare(p.b, p.a) * std::log(basket.y),
                                   basket.utility);
    return cheapestBasket(p, priceX, priceY, basket.utility);
}

} // namespace

std::optional<Basket> chosenBasket(const Preferences &p, double priceX, double priceY,
                                   double income)
{
    if (!validPrices(p, priceX, priceY) || !std::isfinite(income) || income < 0)
        return std::nullopt;
    switch (p.type) {
    case PreferenceType::PerfectSubstitutes: {
        // All the income on the good with more utility per unit of money; the Y corner on a tie.
        if (income == 0)
            return Basket{};
        const int compared = compareUtilityPerMoney(p, priceX, priceY);
        if (compared > 0) {
            const double x = income / priceX, utility = p.a * x;
            return fits(x) && fits(utility) ? checked(x, 0, utility) : std::nullopt;
        }
        const double y = income / priceY, utility = p.b * y;
        return fits(y) && fits(utility) ? checked(0, y, utility, compared == 0) : std::nullopt;
    }
    case PreferenceType::PerfectComplements: {
        // At the corner a x = b y = utility, whose cost utility (priceX / a + priceY / b) is the
        // income: x = b M / (b priceX + a priceY). Taking the utility first gives the very
        // basket that cheapestBasket gives for it. The cost of a unit of utility is taken in
        // logarithms where it leaves the normal doubles.
        if (income == 0)
            return Basket{};
        const double perUtility = priceX / p.a + priceY / p.b;
        const double utility = std::isnormal(perUtility)
                ? income / perUtility
                : std::exp(std::log(income)
                           - logOfSum(std::log(priceX) - std::log(p.a),
                                      std::log(priceY) - std::log(p.b)));
        const double x = utility / p.a, y = utility / p.b;
        return fits(utility) && fits(x) && fits(y) ? checked(x, y, utility) : std::nullopt;
    }
    case PreferenceType::CobbDouglas: {
        // The shares a / (a + b) and b / (a + b) of the income.
        if (income == 0)
            return Basket{};
        const double x = cobbDouglasQuantity(p.a, p.b, income, priceX);
        const double y = cobbDouglasQuantity(p.b, p.a, income, priceY);
        const double utility = cobbDouglasUtility(p, x, y);
        return fits(x) && fits(y) && fits(utility) ? checked(x, y, utility) : std::nullopt;
    }
    case PreferenceType::QuasiLinear: {
        // X up to where its marginal utility per unit of money falls to Y's, the rest on Y;
        // below that threshold of income, all of it on X. No income buys a finite utility.
        if (income == 0)
            return std::nullopt;
        const double spendingOnX = quasiLinearSpendingOnX(p, priceY);
        if (spendingOnX < DBL_MIN)
            return std::nullopt;
        if (spendingOnX <= income) {
            const double x = spendingOnX / priceX, rest = income - spendingOnX;
            const double y = rest / priceY;
            if (!fits(x) || (rest > 0 && !fits(y)))
                return std::nullopt;
            return quasiLinearBasket(p, x, y);
        }
        const double x = income / priceX;
        return fits(x) ? quasiLinearBasket(p, x, 0) : std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<Basket> cheapestBasket(const Preferences &p, double priceX, double priceY,
                                     double utility)
{
    if (!validPrices(p, priceX, priceY) || !std::isfinite(utility))
        return std::nullopt;
    if (p.type != PreferenceType::QuasiLinear && utility < 0)
        return std::nullopt;
    switch (p.type) {
    case PreferenceType::PerfectSubstitutes: {
        if (utility == 0)
            return Basket{};
        const int compared = compareUtilityPerMoney(p, priceX, priceY);
        if (compared > 0) {
            const double x = utility / p.a;
            return fits(x) ? checked(x, 0, utility) : std::nullopt;
        }
        const double y = utility / p.b;
        return fits(y) ? checked(0, y, utility, compared == 0) : std::nullopt;
    }
    case PreferenceType::PerfectComplements: {
        if (utility == 0)
            return Basket{};
        const double x = utility / p.a, y = utility / p.b;
        return fits(x) && fits(y) ? checked(x, y, utility) : std::nullopt;
    }
    case PreferenceType::CobbDouglas:
        if (utility == 0)
            return Basket{};
        return cheapestCobbDouglas(p, priceX, priceY, std::log(utility) / (p.a + p.b), utility);
    case PreferenceType::QuasiLinear: {
        // The tangency's X when the utility leaves some Y to buy; otherwise only X.
        const double spendingOnX = quasiLinearSpendingOnX(p, priceY);
        if (spendingOnX < DBL_MIN)
            return std::nullopt;
        const double tangentX = spendingOnX / priceX;
        if (logTermLost(p.a, tangentX))
            return std::nullopt;
        const double fromX = p.a * std::log(tangentX);
        if (utility >= fromX) {
            const double rest = utility - fromX, y = rest / p.b;
            if (!fits(tangentX) || (rest > 0 && !fits(y)))
                return std::nullopt;
            return checked(tangentX, y, utility);
        }
        const double x = std::exp(utility / p.a);
        return fits(x) ? checked(x, 0, utility) : std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<PriceEffects> priceEffects(const Preferences &p, double priceX, double newPriceX,
                                         double priceY, double income)
{
    const std::optional<Basket> before = chosenBasket(p, priceX, priceY, income);
    const std::optional<Basket> after = chosenBasket(p, newPriceX, priceY, income);
    if (!before || !after)
        return std::nullopt;
    const std::optional<Basket> compensated = cheapestAsGoodAs(p, newPriceX, priceY, *before);
    const double buysBeforeAgain = newPriceX * before->x + priceY * before->y;
    if (income > 0 && !fits(buysBeforeAgain))
        return std::nullopt;
    const std::optional<Basket> slutsky = chosenBasket(p, newPriceX, priceY, buysBeforeAgain);
    const std::optional<Basket> equivalent = cheapestAsGoodAs(p, priceX, priceY, *after);
    if (!compensated || !slutsky || !equivalent)
        return std::nullopt;

    PriceEffects effects;
    effects.before = *before;
    effects.compensated = *compensated;
    effects.after = *after;
    effects.slutsky = *slutsky;
    effects.substitution = compensated->x - before->x;
    effects.income = after->x - compensated->x;
    effects.slutskySubstitution = slutsky->x - before->x;
    effects.slutskyIncome = after->x - slutsky->x;
    const double costAfter = newPriceX * compensated->x + priceY * compensated->y;
    const double costBefore = priceX * equivalent->x + priceY * equivalent->y;
    effects.compensatingVariation = income - costAfter;
    effects.equivalentVariation = costBefore - income;
    for (const double value :
         { effects.substitution, effects.income, effects.slutskySubstitution, effects.slutskyIncome,
           costAfter, costBefore, effects.compensatingVariation, effects.equivalentVariation }) {
        if (!std::isfinite(value))
            return std::nullopt;
    }
    return effects;
}

} // namespace analysis
