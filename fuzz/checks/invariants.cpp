#include "fuzz/checks/invariants.h"

#include "fuzz/checks/captions.h"
#include "fuzz/checks/oracle.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <variant>

namespace checks {

namespace {

using namespace analysis;

template<class... Ts>
struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template<class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (const unsigned char c : text.substr(0, 200)) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        }
    }
    if (text.size() > 200)
        out += "...(" + std::to_string(text.size()) + " bytes)";
    return out + "\"";
}

std::string describe(const Effect &effect)
{
    return std::visit(
            Overloaded{
                    [](const SetPenWidth &e) { return "SetPenWidth " + std::to_string(e.pixels); },
                    [](const PlotPoint &e) {
                        char text[96];
                        std::snprintf(text, sizeof text, "PlotPoint %a %a", double(e.x),
                                      double(e.y));
                        return std::string(text);
                    },
                    [](const DrawSegment &e) {
                        char text[160];
                        std::snprintf(text, sizeof text, "DrawSegment %a %a %a %a", double(e.x1),
                                      double(e.y1), double(e.x2), double(e.y2));
                        return std::string(text);
                    },
                    [](const SetCaption &e) {
                        return "SetCaption " + std::to_string(int(e.label)) + " " + quoted(e.text);
                    },
                    [](const AppendToCaption &e) {
                        return "AppendToCaption " + std::to_string(int(e.label)) + " "
                                + quoted(e.text);
                    },
                    [](const ShowLabel &e) { return "ShowLabel " + std::to_string(int(e.label)); },
            },
            effect);
}

/// What is wrong with one effect on its own, or an empty text.
std::string checkEffect(const Effect &effect, const DrawInputs &inputs)
{
    const std::string &sep = inputs.decimalSeparator;
    return std::visit(
            Overloaded{
                    [&](const SetPenWidth &e) -> std::string {
                        const int wide = inputs.shortPeriod ? 4 : 8;
                        return e.pixels == 1 || e.pixels == wide ? "" : "unexpected pen width";
                    },
                    [](const PlotPoint &e) -> std::string {
                        return std::isfinite(e.x) && std::isfinite(e.y) ? "" : "non-finite point";
                    },
                    [](const DrawSegment &e) -> std::string {
                        return std::isfinite(e.x1) && std::isfinite(e.y1) && std::isfinite(e.x2)
                                        && std::isfinite(e.y2)
                                ? ""
                                : "non-finite segment";
                    },
                    [&](const SetCaption &e) -> std::string {
                        switch (e.label) {
                        case ResultLabel::Heading:
                            return e.text
                                            == (inputs.shortPeriod ? shortPeriodHeading
                                                                   : longRunHeading)
                                    ? ""
                                    : "wrong heading";
                        case ResultLabel::Slope:
                            return isSlopeCaption(e.text, sep) ? "" : "malformed slope text";
                        case ResultLabel::AverageCost:
                            return isAverageCostCaption(e.text, sep) ? ""
                                                                     : "malformed average cost";
                        case ResultLabel::ResultList:
                            break;
                        }
                        return "the result list is replaced";
                    },
                    [&](const AppendToCaption &e) -> std::string {
                        if (e.label != ResultLabel::ResultList)
                            return "appends to a label other than the result list";
                        if (isResultLine(e.text, sep))
                            return "";
                        const bool tie = !inputs.shortPeriod
                                && inputs.technology == TechnologyType::PerfectSubstitutes
                                && e.text == tiePiece;
                        if (tie)
                            return "";
                        const bool impossible = inputs.shortPeriod
                                && inputs.technology == TechnologyType::FixedProportions
                                && e.text == impossibilityLine;
                        return impossible ? "" : "malformed result line";
                    },
                    [](const ShowLabel &e) -> std::string {
                        return e.label == ResultLabel::Heading
                                ? ""
                                : "shows a label other than the heading";
                    },
            },
            effect);
}

} // namespace

std::string describe(const DrawInputs &inputs)
{
    return "technology " + std::to_string(int(inputs.technology))
            + (inputs.shortPeriod ? " short period" : " long run") + ", level "
            + quoted(inputs.level) + ", priceX " + quoted(inputs.priceX) + ", priceY "
            + quoted(inputs.priceY) + ", fixedY " + quoted(inputs.fixedY) + ", coefX "
            + quoted(inputs.coefX) + ", coefY " + quoted(inputs.coefY) + ", cdExpX "
            + quoted(inputs.cdExpX) + ", cdExpY " + quoted(inputs.cdExpY) + ", separator "
            + quoted(inputs.decimalSeparator);
}

std::string checkDrawOutcome(const DrawInputs &inputs, const DrawOutcome &outcome)
{
    const std::vector<Effect> &effects = outcome.effects;
    int pen = 1;
    for (std::size_t i = 0; i < effects.size(); ++i) {
        const std::string problem = checkEffect(effects[i], inputs);
        if (!problem.empty())
            return problem + " at effect " + std::to_string(i) + ": " + describe(effects[i]);
        if (const auto *width = std::get_if<SetPenWidth>(&effects[i]))
            pen = width->pixels;
    }
    if (pen != 1)
        return "the pen is left " + std::to_string(pen) + " pixels wide";

    // A stopped Draw ends its diagnostics with the one stop; a completed Draw has no stop.
    std::size_t stops = 0;
    for (const Diagnostic &diagnostic : outcome.diagnostics)
        stops += diagnostic.stops() ? 1 : 0;
    if (outcome.completed && stops != 0)
        return "a completed Draw carries a stop diagnostic";
    if (!outcome.completed
        && (stops != 1 || outcome.diagnostics.empty() || !outcome.diagnostics.back().stops()))
        return "a stopped Draw does not end with exactly one stop diagnostic";

    // The result record exists exactly when a result line or the impossibility line was written.
    const auto writesResult = [](const Effect &effect) {
        const auto *append = std::get_if<AppendToCaption>(&effect);
        return append && append->text != tiePiece;
    };
    const bool wroteResult = std::any_of(effects.begin(), effects.end(), writesResult);
    if (wroteResult != outcome.result.has_value())
        return wroteResult ? "a result line was written without its record"
                           : "a record without a result line";
    if (outcome.result
        && (outcome.result->outcome == ResultOutcome::StoppedAtAverageCost) == outcome.completed)
        return "the record's outcome disagrees with the Draw's";

    const OracleRun expected = oracleDraw(inputs);
    const std::size_t prefix = std::min(effects.size(), expected.effects.size());
    for (std::size_t i = 0; i < prefix; ++i) {
        if (!(effects[i] == expected.effects[i]))
            return "effect " + std::to_string(i) + " is " + describe(effects[i]) + ", expected "
                    + describe(expected.effects[i]);
    }
    if (effects.size() > expected.effects.size())
        return "more effects than expected: " + describe(effects[prefix]);
    if (outcome.completed) {
        if (expected.faultAfter)
            return "completed, but a fault was expected after "
                    + std::to_string(*expected.faultAfter) + " effects";
        if (effects.size() != expected.effects.size())
            return "completed after " + std::to_string(effects.size()) + " effects, expected "
                    + std::to_string(expected.effects.size())
                    + "; next expected: " + describe(expected.effects[effects.size()]);
    } else {
        if (!expected.faultAfter)
            return "stopped after " + std::to_string(effects.size())
                    + " effects, but no step faults";
        if (*expected.faultAfter != effects.size())
            return "stopped after " + std::to_string(effects.size())
                    + " effects, but the first fault comes after "
                    + std::to_string(*expected.faultAfter);
    }
    return {};
}

} // namespace checks
