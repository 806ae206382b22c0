#pragma once

#include "analysis/draw.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace analysis {

inline std::string_view labelName(ResultLabel label)
{
    switch (label) {
    case ResultLabel::Heading:
        return "Heading";
    case ResultLabel::ResultList:
        return "ResultList";
    case ResultLabel::Slope:
        return "Slope";
    case ResultLabel::AverageCost:
        return "AverageCost";
    }
    return "?";
}

inline void PrintTo(const SetPenWidth &e, std::ostream *os)
{
    *os << "SetPenWidth(" << e.pixels << ")";
}
inline void PrintTo(const PlotPoint &e, std::ostream *os)
{
    *os << "PlotPoint(" << e.x << ", " << e.y << ")";
}
inline void PrintTo(const DrawSegment &e, std::ostream *os)
{
    *os << "DrawSegment(" << e.x1 << ", " << e.y1 << ", " << e.x2 << ", " << e.y2 << ")";
}
inline void PrintTo(const SetCaption &e, std::ostream *os)
{
    *os << "SetCaption(" << labelName(e.label) << ", \"" << e.text << "\")";
}
inline void PrintTo(const AppendToCaption &e, std::ostream *os)
{
    *os << "AppendToCaption(" << labelName(e.label) << ", \"" << e.text << "\")";
}
inline void PrintTo(const ShowLabel &e, std::ostream *os)
{
    *os << "ShowLabel(" << labelName(e.label) << ")";
}

} // namespace analysis

namespace analysistest {

/// One word per effect ("Heading", "PlotPoint", "PenWidth8", ...), runs of points folded into
/// "PlotPoint*N": the shape of an outcome, to compare where it stopped.
inline std::vector<std::string> shape(const analysis::DrawOutcome &outcome)
{
    using namespace analysis;
    std::vector<std::string> words;
    std::size_t run = 0;
    const auto closeRun = [&] {
        if (run == 1)
            words.emplace_back("PlotPoint");
        else if (run > 1)
            words.push_back("PlotPoint*" + std::to_string(run));
        run = 0;
    };
    for (const Effect &effect : outcome.effects) {
        if (std::holds_alternative<PlotPoint>(effect)) {
            ++run;
            continue;
        }
        closeRun();
        if (const auto *pen = std::get_if<SetPenWidth>(&effect))
            words.push_back("PenWidth" + std::to_string(pen->pixels));
        else if (std::holds_alternative<DrawSegment>(effect))
            words.emplace_back("Segment");
        else if (const auto *caption = std::get_if<SetCaption>(&effect))
            words.emplace_back(labelName(caption->label));
        else if (std::holds_alternative<AppendToCaption>(effect))
            words.emplace_back("Line");
        else if (std::holds_alternative<ShowLabel>(effect))
            words.emplace_back("Show");
    }
    closeRun();
    return words;
}

} // namespace analysistest
