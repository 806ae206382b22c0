#pragma once

#include "analysis/draw.h"

#include <cmath>
#include <optional>
#include <span>
#include <string>

// The table's words are marked for translators where they are written. The computation layer has
// no Qt: without it the mark is this same no-op, so that lupdate still finds the literals.
#ifndef QT_TRANSLATE_NOOP
#  define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace analysis {

namespace detail {
struct TechnologySteps;
}

/// The context under which translators find every text of the table; the windows translate a
/// text of the table with QCoreApplication::translate(technologyTextContext, text).
inline constexpr char technologyTextContext[] = "Technology";

/// The two parameters a and b of a technology, in the order of its boxes (0 where it has none).
struct TechnologyParameters
{
    double a = 0, b = 0;
    bool operator==(const TechnologyParameters &) const = default;
};

/// A technology with its parameters' values, as the exact curves take it.
struct Technology
{
    TechnologyType type{}; ///< none by default: a technology of the table must be given
    TechnologyParameters parameters;
};

/// A box of the parameter window that a technology reads.
struct ParameterBox
{
    InputBox box; ///< the box, as diagnostics name it
    std::string DrawInputs::*text; ///< where a Draw's inputs hold its text and its default text
    const char *label; ///< beside the box: "a ="
    const char *name; ///< the box for a screen reader: "a of Cobb-Douglas"
    const char *description; ///< the box in a sentence: "the exponent a of Cobb-Douglas"
    /// Its domain: a value is admitted when it is finite and greater than this bound.
    double greaterThan = 0;

    /// Whether `value` lies in the domain of this parameter.
    bool admits(double value) const { return std::isfinite(value) && value > greaterThan; }
    /// The text of this box in the default inputs of a Draw.
    const std::string &defaultText() const;
};

/// Quantities of X and Y in plain units, their cost, and whether another bundle costs as much.
struct Bundle
{
    double x = 0, y = 0, cost = 0;
    bool tied = false; ///< perfect substitutes at equal costs per unit of output: the Y corner
};

/// The forms an isoquant takes.
enum class IsoquantForm {
    Line, ///< a straight line between its intercepts on the two axes
    Corner, ///< an L: one arm rises upright from the corner, the other runs right
    Curve ///< a smooth curve, given by the Y on it at each X
};

/// An isoquant, exactly, in plain units.
struct IsoquantShape
{
    IsoquantForm form = IsoquantForm::Curve;
    /// Line: the intercepts on the X and on the Y axis; Corner: the corner; Curve: unused (0).
    double x = 0, y = 0;
};

/// What a technology answers in closed form, in plain units. Each function is called only inside
/// the domain: prices and parameters finite and above their bounds, a level finite and >= 0, a
/// fixed Y finite and > 0. A bundle is none where it does not fit a double (see
/// detail/closedforms.h); a number that does not is filtered by the caller.
struct ClosedForms
{
    /// The cheapest bundle that produces q in the long run.
    std::optional<Bundle> (*cheapest)(const TechnologyParameters &, double priceX, double priceY,
                                      double q);
    /// The bundle that produces q with Y fixed, all of the fixed Y paid for; none where q cannot
    /// be reached.
    std::optional<Bundle> (*fixedY)(const TechnologyParameters &, double priceX, double priceY,
                                    double fixedY, double q);
    /// The long-run marginal cost at q (the cost of the next unit), given the cheapest bundle
    /// there; none where it is infinite.
    std::optional<double> (*longRunMarginal)(const TechnologyParameters &, double priceX,
                                             double priceY, double q, const Bundle &cheapest);
    /// The short-period marginal cost at q, given the variable cost there.
    std::optional<double> (*shortPeriodMarginal)(const TechnologyParameters &, double priceX,
                                                 double priceY, double fixedY, double q,
                                                 double variableCost);
    /// The level whose cheapest bundle uses exactly fixedY of Y; none where no level does.
    std::optional<double> (*levelForLongRunY)(const TechnologyParameters &, double priceX,
                                              double priceY, double fixedY);
    /// The price of X at which the long-run demand jumps from one corner to the other; none
    /// where the demand is continuous.
    std::optional<double> (*demandJumpPriceX)(const TechnologyParameters &, double priceY);
    /// The isoquant of q.
    IsoquantShape (*isoquant)(const TechnologyParameters &, double q);
    /// The Y on the isoquant of q at x (the corner's Y on an upright arm); none where no
    /// quantity of Y with x of X produces q.
    std::optional<double> (*isoquantY)(const TechnologyParameters &, double q, double x);
};

/// One technology the program offers, an entry of the table: what the windows show of it, what
/// it reads, how a Draw traces its isoquant and chooses with it, and its closed forms. Every list
/// of technologies (the option buttons, the parameter frames, the fuzz inputs, the tests) is taken
/// from `technologies()`; each technology's behaviour lives in its own file in
/// analysis/technologies/.
struct TechnologyEntry
{
    TechnologyType type; ///< also the id and object-name suffix of its option button
    const char *caption; ///< its option button on the main window
    const char *frameCaption; ///< its frame on the isoquant-parameter window
    const char *formula; ///< the production function as the parameter window words it
    /// The boxes of the parameters it reads, a then b (none, one or two).
    std::span<const ParameterBox> parameters;
    /// The quantity produced by `x` of X and `y` of Y, in the same unit as x and y.
    double (*output)(double x, double y, const TechnologyParameters &parameters);
    ClosedForms closedForms; ///< its exact answers, in plain units
    const detail::TechnologySteps *steps; ///< the steps of a Draw with it (internal)
};

/// Every technology, in the order of their buttons (types 1, 2, 3, ...).
std::span<const TechnologyEntry> technologies();

/// The technology of `type`, or nullptr when the program offers none of that type.
const TechnologyEntry *findTechnology(TechnologyType type);

/// The parameter box of any technology that is `box`, or nullptr for a box of the main window.
const ParameterBox *findParameterBox(InputBox box);

/// The technology of `type` with the parameters of its boxes' default texts.
Technology defaultTechnology(TechnologyType type);

} // namespace analysis
