#pragma once

#include "analysis/draw.h"

#include <ostream>
#include <string_view>

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

inline void PrintTo(const SetPenWidth &e, std::ostream *os) { *os << "SetPenWidth(" << e.pixels << ")"; }
inline void PrintTo(const PlotPoint &e, std::ostream *os) { *os << "PlotPoint(" << e.x << ", " << e.y << ")"; }
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
inline void PrintTo(const ShowLabel &e, std::ostream *os) { *os << "ShowLabel(" << labelName(e.label) << ")"; }

} // namespace analysis
