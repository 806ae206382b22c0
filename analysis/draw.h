#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace analysis {

/// The technology: the index of the selected technology button of the main window.
enum class TechnologyType : std::int16_t {
    PerfectSubstitutes = 1,
    FixedProportions = 2,
    CobbDouglas = 3
};

/// The result labels of the main window that a Draw writes.
enum class ResultLabel {
    Heading,
    ResultList,
    Slope,
    AverageCost
}; // Label5, Label4, Label6, Label8

/// Sets the width, in pixels, of the following points and lines.
struct SetPenWidth
{
    int pixels = 1;
    bool operator==(const SetPenWidth &) const = default;
};

/// A dot as wide as the pen, centred on (x, y) in chart units (thousands).
struct PlotPoint
{
    float x = 0, y = 0;
    bool operator==(const PlotPoint &) const = default;
};

/// A straight line from (x1, y1) to (x2, y2) in chart units.
struct DrawSegment
{
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const DrawSegment &) const = default;
};

/// Replaces the caption of a result label.
struct SetCaption
{
    ResultLabel label = ResultLabel::Heading;
    std::string text;
    bool operator==(const SetCaption &) const = default;
};

/// Appends text to the caption of a result label.
struct AppendToCaption
{
    ResultLabel label = ResultLabel::ResultList;
    std::string text;
    bool operator==(const AppendToCaption &) const = default;
};

/// Makes a result label visible.
struct ShowLabel
{
    ResultLabel label = ResultLabel::Heading;
    bool operator==(const ShowLabel &) const = default;
};

/// One drawing operation or caption change, applied by the window in order.
using Effect =
        std::variant<SetPenWidth, PlotPoint, DrawSegment, SetCaption, AppendToCaption, ShowLabel>;

/// The texts and flags of the controls that a Draw reads.
struct DrawInputs
{
    TechnologyType technology = TechnologyType::CobbDouglas;
    bool shortPeriod = false;
    std::string level = "3000", priceX = "6", priceY = "10",
                fixedY = "2500"; // main window Text1..Text4
    std::string coefX = "1", coefY = "1", cdExpX = ".7",
                cdExpY = ".3"; // parameter window Text1..Text4
    std::string decimalSeparator = "."; // of the user's regional settings
};

/// A text box whose value a Draw reads.
enum class InputBox {
    Level, ///< main window Text1, the level of production
    PriceX, ///< main window Text2
    PriceY, ///< main window Text3
    FixedY, ///< main window Text4, the fixed quantity of Y in the short period
    CoefX, ///< parameter window Text1, a of perfect substitutes
    CoefY, ///< parameter window Text2, b of perfect substitutes
    CdExpX, ///< parameter window Text3, a of Cobb-Douglas
    CdExpY ///< parameter window Text4, b of Cobb-Douglas
};

/// The text of `box` among the inputs of a Draw.
std::string DrawInputs::*textOf(InputBox box);

/// The step of a Draw during which a diagnostic arose.
enum class DrawStep {
    ReadInputs, ///< reading the level, the parameters and the fixed Y
    Isoquant, ///< drawing the isoquant (the Cobb-Douglas scan included)
    Choice, ///< finding the cheapest combination and its cost
    IsocostLine, ///< the isocost line's intercepts
    ChoicePoint, ///< marking the chosen combination on the chart
    Slope, ///< the slope of the isocost line
    ResultLine, ///< the numbers of the result line
    AverageCost ///< the average cost
};

/// What a diagnostic reports. The first five stop the Draw; the others are warnings.
enum class DiagnosticKind {
    DivisionByZero, ///< a divisor was 0 (0 under a negative power included)
    NegativePower, ///< a negative number under a power that is not a whole number
    BeyondDouble, ///< a number text or a result too large for a double
    BeyondChart, ///< a chart coordinate beyond single precision (about 3.4E+38)
    OutsideDomain, ///< a parameter outside its technology's domain (0 or less)
    PartialRead, ///< only the start of a box's text was read as its number
    NothingRead, ///< nothing of a box's text reads as a number: it counts as 0
    CheapestAtScanEdge, ///< no exact choice, and the cheapest scanned point ends the scan
    ExactBeyondScan, ///< the exact cheapest combination, beyond the scan's inner points
    ChoiceOutsideChart, ///< the chosen combination lies outside the chart
    Tie ///< every combination between two corners is cheapest; the result line shows one
};

/// One thing a Draw noticed, in terms a window can put into words.
struct Diagnostic
{
    DiagnosticKind kind = DiagnosticKind::DivisionByZero;
    DrawStep step = DrawStep::ReadInputs;
    /// The box whose value led to it, where one did; its value as read is `inputValue`
    /// (infinite when its text is too large for a double).
    std::optional<InputBox> input;
    double inputValue = 0;
    /// The values involved: a stopped operation's operands (dividend and divisor, base and
    /// exponent, or the two terms), the parameter's value and the bound it must exceed
    /// (OutsideDomain), the chosen point in units (ChoiceOutsideChart), the scanned X in units
    /// and the scan's last X (CheapestAtScanEdge), the first and last X of the scan's inner
    /// points in units (ExactBeyondScan), the value read and 0 (PartialRead, NothingRead).
    double first = 0, second = 0;
    /// PartialRead, NothingRead: the box's whole text; BeyondDouble: the text too large to read
    /// (empty when a computed result overflowed).
    std::string text;
    std::size_t usedLength = 0; ///< PartialRead, NothingRead: how many bytes of `text` were read

    /// Whether this diagnostic ended the Draw.
    bool stops() const { return kind <= DiagnosticKind::OutsideDomain; }
    bool operator==(const Diagnostic &) const = default;
};

/// How a Draw that wrote into the results list ended.
enum class ResultOutcome {
    Completed, ///< the result line and the average cost were written
    Impossible, ///< "Obtaining such a production is impossible." was written instead
    StoppedAtAverageCost ///< the result line was written, the average cost could not be computed
};

/// The result a Draw wrote into the results list, as numbers, for export and copying. Every
/// quantity is in plain units as the result line reports it (the long run's thousands already
/// multiplied out) at full double precision; a number the Draw did not compute is absent.
struct ResultRecord
{
    TechnologyType technology = TechnologyType::CobbDouglas; ///< the technology used
    bool shortPeriod = false; ///< false: the long run; true: the short period with a fixed Y
    double level = 0; ///< the level of production, as read from its text
    /// The prices of one unit of X and of Y (absent only when a text is too large for a double).
    std::optional<double> priceX, priceY;
    std::optional<double> fixedY; ///< the fixed quantity of Y (short period only)
    /// The technology's parameters a and b (absent for fixed proportions, which has none).
    std::optional<double> parameterA, parameterB;
    std::optional<double> x, y, cost; ///< the chosen quantities and their cost (not if impossible)
    std::optional<double> slope; ///< priceX / priceY, shown with a minus sign (not if impossible)
    std::optional<double> averageCost; ///< cost / level (only when Completed)
    ResultOutcome outcome = ResultOutcome::Completed;
    /// The chosen combination is the cheapest of the points scanned on the isoquant (the long
    /// run's Cobb-Douglas grid), close to the cheapest combination but not exactly it.
    bool scanned = false;
    bool operator==(const ResultRecord &) const = default;
};

/// What one Draw produced.
struct DrawOutcome
{
    std::vector<Effect> effects; ///< in the order the window applies them
    bool completed = true; ///< false: a run-time fault ended the Draw after `effects`
    /// What the Draw noticed, in order: warnings, then, when it stopped, one stop diagnostic.
    std::vector<Diagnostic> diagnostics;
    /// The result line this Draw wrote into the results list, if it wrote one.
    std::optional<ResultRecord> result;
};

/// Runs one Draw. Pure: the same inputs give the same outcome; never throws.
DrawOutcome draw(const DrawInputs &inputs);

} // namespace analysis
