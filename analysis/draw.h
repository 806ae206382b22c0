#pragma once

#include <cstdint>
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

/// What one Draw produced.
struct DrawOutcome
{
    std::vector<Effect> effects; ///< in the order the window applies them
    bool completed = true; ///< false: a run-time fault ended the Draw after `effects`
};

/// Runs one Draw. Pure: the same inputs give the same outcome; never throws.
DrawOutcome draw(const DrawInputs &inputs);

} // namespace analysis
