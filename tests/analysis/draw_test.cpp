#include "analysis/draw.h"
#include "effectprinters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace analysis;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

const std::string longRunHeading = "The technology which minimalizes the costs requires the inputs "
                                   "X and Y in these quantities:";
const std::string shortHeading =
        "Given the fixed level of Y, the technology which minimalizes the costs requires:";
const std::string slope06 = "The slope of the isocost line is :  - 0.6";

SetCaption heading(const std::string &text)
{
    return { ResultLabel::Heading, text };
}
SetCaption slope(const std::string &text)
{
    return { ResultLabel::Slope, text };
}
AppendToCaption line(const std::string &text)
{
    return { ResultLabel::ResultList, text };
}
SetCaption average(const std::string &text)
{
    return { ResultLabel::AverageCost, "The average cost of production is : " + text };
}
const ShowLabel showHeading{ ResultLabel::Heading };

DrawInputs with(TechnologyType technology, bool shortPeriod = false)
{
    DrawInputs inputs;
    inputs.technology = technology;
    inputs.shortPeriod = shortPeriod;
    return inputs;
}

std::vector<PlotPoint> plottedPoints(const DrawOutcome &outcome)
{
    std::vector<PlotPoint> points;
    for (const Effect &effect : outcome.effects) {
        if (const auto *point = std::get_if<PlotPoint>(&effect))
            points.push_back(*point);
    }
    return points;
}

std::string describeForFailure(const DrawInputs &inputs)
{
    return (inputs.shortPeriod ? "short period, level " : "long run, level ") + inputs.level
            + ", prices " + inputs.priceX + " and " + inputs.priceY + ", fixed Y " + inputs.fixedY
            + ", a " + inputs.cdExpX + ", b " + inputs.cdExpY;
}

/// The text of the one result line appended by a Draw.
std::string resultLine(const DrawOutcome &outcome)
{
    for (const Effect &effect : outcome.effects) {
        if (const auto *appended = std::get_if<AppendToCaption>(&effect))
            return appended->text;
    }
    return {};
}

// Short cases: the whole list of effects, exactly.

struct ExactCase
{
    const char *name;
    DrawInputs inputs;
    std::vector<Effect> effects;
    bool completed = true;
};

void PrintTo(const ExactCase &c, std::ostream *os)
{
    *os << c.name;
}

class ExactEffects : public ::testing::TestWithParam<ExactCase>
{
};

TEST_P(ExactEffects, ProducesExactlyTheseEffects)
{
    const DrawOutcome outcome = draw(GetParam().inputs);
    EXPECT_THAT(outcome.effects, ElementsAreArray(GetParam().effects));
    EXPECT_EQ(outcome.completed, GetParam().completed);
}

DrawInputs perfectSubstitutesEqualCosts()
{
    DrawInputs inputs = with(TechnologyType::PerfectSubstitutes);
    inputs.priceX = "5";
    inputs.priceY = "5";
    return inputs;
}

DrawInputs withLevel(TechnologyType technology, const char *level)
{
    DrawInputs inputs = with(technology);
    inputs.level = level;
    return inputs;
}

DrawInputs shortPeriod(TechnologyType technology, const char *fixedY)
{
    DrawInputs inputs = with(technology, true);
    inputs.fixedY = fixedY;
    return inputs;
}

INSTANTIATE_TEST_SUITE_P(
        Draw, ExactEffects,
        ::testing::Values(
                ExactCase{
                        "LongRunPerfectSubstitutes",
                        with(TechnologyType::PerfectSubstitutes),
                        { heading(longRunHeading), DrawSegment{ 3, 0, 0, 1.8f }, SetPenWidth{ 8 },
                          PlotPoint{ 3, 0 }, SetPenWidth{ 1 }, slope(slope06), showHeading,
                          line(" X = 3000. Y = 0. at price of X=6 and of Y =10. Cost = 18000.\r"),
                          average("6.") } },
                ExactCase{ "LongRunPerfectSubstitutesEqualCostsTakeYAsOneOfMany",
                           perfectSubstitutesEqualCosts(),
                           { heading(longRunHeading), DrawSegment{ 3, 0, 0, 3 }, SetPenWidth{ 8 },
                             PlotPoint{ 0, 3 }, SetPenWidth{ 1 },
                             slope("The slope of the isocost line is :  - 1."), showHeading,
                             line(" One of the many optimum points is "),
                             line(" X = 0. Y = 3000. at price of X=5 and of Y =5. Cost = 15000.\r"),
                             average("5.") } },
                ExactCase{ "LongRunFixedProportions",
                           with(TechnologyType::FixedProportions),
                           { heading(longRunHeading), DrawSegment{ 3, 3, 3, 10 },
                             DrawSegment{ 3, 3, 10, 3 }, DrawSegment{ 8, 0, 0, 4.8f },
                             slope(slope06), showHeading,
                             line(" X = 3000. Y = 3000. at price of X=6 and of Y =10. Cost = "
                                  "48000.\r"),
                             average("16.") } },
                ExactCase{ "LongRunFixedProportionsCornerAboveTheChart",
                           withLevel(TechnologyType::FixedProportions, "20000"),
                           { heading(longRunHeading), DrawSegment{ 20, 20, 20, 10 },
                             DrawSegment{ 20, 20, 10, 20 },
                             DrawSegment{ static_cast<float>(320.0 / 6), 0, 0, 32 }, slope(slope06),
                             showHeading,
                             line(" X = 20000. Y = 20000. at price of X=6 and of Y =10. Cost = "
                                  "320000.\r"),
                             average("16.") } },
                ExactCase{ "LongRunCobbDouglasZeroLevelIsTheOrigin",
                           withLevel(TechnologyType::CobbDouglas, "0"),
                           { heading(longRunHeading), DrawSegment{ 0, 0, 0, 0 }, slope(slope06),
                             showHeading,
                             line(" X = 0. Y = 0. at price of X=6 and of Y =10. Cost = 0.\r") },
                           false },
                ExactCase{
                        "ShortPerfectSubstitutes",
                        with(TechnologyType::PerfectSubstitutes, true),
                        { heading(shortHeading), SetPenWidth{ 4 }, PlotPoint{ 0.5f, 2.5f },
                          SetPenWidth{ 1 }, slope(slope06), showHeading,
                          line(" X = 500. Y = 2500. at price of X=6 and of Y =10. Cost = 28000.\r"),
                          average("9.33") } },
                ExactCase{
                        "ShortPerfectSubstitutesSurplusY",
                        shortPeriod(TechnologyType::PerfectSubstitutes, "4000"),
                        { heading(shortHeading), SetPenWidth{ 4 }, PlotPoint{ 0, 4 },
                          SetPenWidth{ 1 }, slope(slope06), showHeading,
                          line(" X = 0. Y = 4000. at price of X=6 and of Y =10. Cost = 40000.\r"),
                          average("13.33") } },
                ExactCase{ "ShortFixedProportionsImpossible",
                           with(TechnologyType::FixedProportions, true),
                           { heading(shortHeading),
                             line("Obtaining such a production is impossible.\r") } },
                ExactCase{ "ShortFixedProportionsFeasible",
                           shortPeriod(TechnologyType::FixedProportions, "3000"),
                           { heading(shortHeading), slope(slope06), SetPenWidth{ 4 },
                             PlotPoint{ 3, 3 }, SetPenWidth{ 1 }, showHeading,
                             line(" X = 3000. Y = 3000. at price of X=6 and of Y =10. Cost = "
                                  "48000.\r"),
                             average("16.") } }),
        [](const auto &info) { return std::string(info.param.name); });

TEST(CobbDouglasLongRun, DefaultInputsTraceTheCurveAndReportTheCheapestPoint)
{
    const DrawOutcome outcome = draw(DrawInputs{});
    ASSERT_TRUE(outcome.completed);

    const std::vector<PlotPoint> points = plottedPoints(outcome);
    ASSERT_EQ(points.size(), 1642u);
    EXPECT_NEAR(points.front().x, 1.791, 1e-4); // the first point with Y below 10
    EXPECT_NEAR(points.back().x, 9.996, 1e-4);
    EXPECT_TRUE(std::all_of(points.begin(), points.end(),
                            [](const PlotPoint &p) { return p.y > 0 && p.y < 10; }));

    ASSERT_EQ(outcome.effects.size(), 1 + 1642u + 5);
    EXPECT_EQ(outcome.effects.front(), Effect(heading(longRunHeading)));
    const auto &isocost = std::get<DrawSegment>(outcome.effects[1643]);
    EXPECT_NEAR(isocost.x1, 6.4413, 1e-4);
    EXPECT_NEAR(isocost.y2, 3.8648, 1e-4);
    EXPECT_EQ(isocost.y1, 0);
    EXPECT_EQ(isocost.x2, 0);
    EXPECT_THAT(std::vector<Effect>(outcome.effects.begin() + 1644, outcome.effects.end()),
                ElementsAre(Effect(slope(slope06)), Effect(showHeading),
                            Effect(line(" X = 4511. Y = 1158.16 at price of X=6 and of Y =10. Cost "
                                        "= 38647.57\r")),
                            Effect(average("12.88"))));
}

struct ExactChoiceCase
{
    const char *name;
    std::vector<std::pair<std::string DrawInputs::*, const char *>> texts; ///< from the defaults
    const char *resultLine;
    const char *averageCost; ///< empty: the Draw stops at the average cost
};

class CobbDouglasExactChoice : public ::testing::TestWithParam<ExactChoiceCase>
{
};

// Where the cheapest combination lies beyond the scan's inner points, the exact one is reported
// and the isocost line goes through it; within them, the scan's point on its grid.
TEST_P(CobbDouglasExactChoice, IsReportedBeyondTheScansInnerPoints)
{
    DrawInputs inputs;
    for (const auto &[field, text] : GetParam().texts)
        inputs.*field = text;
    const DrawOutcome outcome = draw(inputs);
    EXPECT_EQ(resultLine(outcome), GetParam().resultLine);
    const std::string averageCost = GetParam().averageCost;
    EXPECT_EQ(outcome.completed, !averageCost.empty());
    if (!averageCost.empty()) {
        EXPECT_EQ(outcome.effects.back(), Effect(average(averageCost)));
    }

    const ResultRecord &r = *outcome.result;
    const auto isocost =
            std::find_if(outcome.effects.begin(), outcome.effects.end(),
                         [](const Effect &e) { return std::holds_alternative<DrawSegment>(e); });
    ASSERT_NE(isocost, outcome.effects.end());
    const auto &line = std::get<DrawSegment>(*isocost);
    if (*r.cost > 0) {
        EXPECT_NEAR(*r.x / 1000 / line.x1 + *r.y / 1000 / line.y2, 1, 1e-6);
    } else {
        EXPECT_EQ(line, (DrawSegment{ 0, 0, 0, 0 }));
    }
}

INSTANTIATE_TEST_SUITE_P(
        Draw, CobbDouglasExactChoice,
        ::testing::Values(
                ExactChoiceCase{ "LevelBeyondTheChart",
                                 { { &DrawInputs::level, "20000" } },
                                 " X = 30059.22 Y = 7729.51 at price of X=6 and of Y =10. Cost = "
                                 "257650.43\r",
                                 "12.88" },
                ExactChoiceCase{ "LevelBelowTheScansSecondPoint",
                                 { { &DrawInputs::level, "2" } },
                                 " X = 3.01 Y = 0.77 at price of X=6 and of Y =10. Cost = 25.77\r",
                                 "12.88" },
                ExactChoiceCase{ "LevelReadInPart",
                                 { { &DrawInputs::level, "2,5" } },
                                 " X = 3.01 Y = 0.77 at price of X=6 and of Y =10. Cost = 25.77\r",
                                 "12.88" },
                ExactChoiceCase{ "DecreasingReturnsToScale",
                                 { { &DrawInputs::cdExpX, ".5" } },
                                 " X = 32567.78 Y = 11724.4 at price of X=6 and of Y =10. Cost = "
                                 "312650.67\r",
                                 "104.22" },
                ExactChoiceCase{ "NothingReadAsTheLevel",
                                 { { &DrawInputs::level, "abc" } },
                                 " X = 0. Y = 0. at price of X=6 and of Y =10. Cost = 0.\r",
                                 "" },
                ExactChoiceCase{ "DefaultsKeepTheScansGrid",
                                 {},
                                 " X = 4511. Y = 1158.16 at price of X=6 and of Y =10. Cost = "
                                 "38647.57\r",
                                 "12.88" }),
        [](const auto &info) { return std::string(info.param.name); });

TEST(CobbDouglasLongRun, DecreasingReturnsScanTheIsoquantOfTheLevel)
{
    // a + b = 0.8: the isoquant is traced in consistent units, so every plotted point, scaled to
    // units, produces the level.
    DrawInputs inputs;
    inputs.cdExpX = ".5";
    inputs.level = "300";
    const std::vector<PlotPoint> points = plottedPoints(draw(inputs));
    ASSERT_FALSE(points.empty());
    for (const PlotPoint &p : points)
        ASSERT_NEAR(std::pow(p.x * 1000.0, 0.5) * std::pow(p.y * 1000.0, 0.3), 300, 300 * 1e-5);
}

// Whenever a Cobb-Douglas Draw writes a result, its X and Y produce the level it was given.
TEST(CobbDouglasResult, ProducesTheLevelOverRandomTechnologiesPricesAndLevels)
{
    std::mt19937 random(16);
    const auto logUniform = [&](double low, double high) {
        return std::exp(std::uniform_real_distribution(std::log(low), std::log(high))(random));
    };
    const auto text = [](double value) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.17g", value);
        return std::string(digits);
    };
    int results = 0;
    for (int run = 0; run < 400; ++run) {
        DrawInputs inputs;
        inputs.shortPeriod = run % 4 == 0;
        const double a = std::uniform_real_distribution(0.1, 1.5)(random);
        const double b = std::uniform_real_distribution(0.1, 1.5)(random);
        const double q = logUniform(1e-2, 1e6);
        inputs.cdExpX = text(a);
        inputs.cdExpY = text(b);
        inputs.level = text(q);
        inputs.priceX = text(logUniform(0.1, 100));
        inputs.priceY = text(logUniform(0.1, 100));
        inputs.fixedY = text(logUniform(1, 1e5));
        const DrawOutcome outcome = draw(inputs);
        if (!outcome.result || !outcome.result->x)
            continue;
        ++results;
        const double produced = std::pow(*outcome.result->x, a) * std::pow(*outcome.result->y, b);
        ASSERT_NEAR(produced, q, 1e-9 * q) << describeForFailure(inputs);
    }
    EXPECT_GT(results, 300);
}

TEST(CobbDouglasLongRun, CheapestPointIsReportedWhenEveryCostExceedsTenMillion)
{
    DrawInputs inputs;
    inputs.priceX = "6000000";
    inputs.priceY = "10000000";
    const DrawOutcome outcome = draw(inputs);
    ASSERT_TRUE(outcome.completed);
    // Same price ratio as the defaults, so the same point, at a million times the cost.
    const std::string text = resultLine(outcome);
    EXPECT_THAT(text,
                ::testing::StartsWith(" X = 4511. Y = 1158.16 at price of X=6000000 and of Y "
                                      "=10000000. Cost = 38647"));
    EXPECT_EQ(text.size(),
              std::string(" X = 4511. Y = 1158.16 at price of X=6000000 and of Y =10000000. Cost = "
                          "38647566666.67\r")
                      .size());
}

TEST(CobbDouglasShortPeriod, DefaultInputsSolveForX)
{
    const DrawOutcome outcome = draw(with(TechnologyType::CobbDouglas, true));
    ASSERT_TRUE(outcome.completed);
    ASSERT_EQ(outcome.effects.size(), 8u);
    const auto &point = std::get<PlotPoint>(outcome.effects[2]);
    EXPECT_NEAR(point.x, 3.243815, 1e-5);
    EXPECT_EQ(point.y, 2.5f);
    EXPECT_THAT(outcome.effects,
                ElementsAre(Effect(heading(shortHeading)), Effect(SetPenWidth{ 4 }), Effect(point),
                            Effect(SetPenWidth{ 1 }), Effect(slope(slope06)), Effect(showHeading),
                            Effect(line(" X = 3243.81 Y = 2500. at price of X=6 and of Y =10. Cost "
                                        "= 44462.89\r")),
                            Effect(average("14.82"))));
}

TEST(CobbDouglasShortPeriod, FixedYAboveTheChartStillWritesEveryText)
{
    const DrawOutcome outcome = draw(shortPeriod(TechnologyType::CobbDouglas, "20000"));
    EXPECT_TRUE(outcome.completed);
    ASSERT_EQ(plottedPoints(outcome).size(), 1u);
    EXPECT_EQ(plottedPoints(outcome).front().y, 20);
    EXPECT_EQ(analysistest::shape(outcome),
              (std::vector<std::string>{ "Heading", "PenWidth4", "PlotPoint", "PenWidth1", "Slope",
                                         "Show", "Line", "AverageCost" }));
}

TEST(DecimalSeparator, AppliesToEveryNumberWrittenIncludingPrices)
{
    DrawInputs inputs = with(TechnologyType::FixedProportions);
    inputs.priceX = "6.5";
    inputs.level = "2500.5";
    inputs.decimalSeparator = ",";
    const DrawOutcome outcome = draw(inputs);
    ASSERT_TRUE(outcome.completed);
    const auto tail = std::vector<Effect>(outcome.effects.end() - 4, outcome.effects.end());
    EXPECT_THAT(tail,
                ElementsAre(Effect(slope("The slope of the isocost line is :  - 0,65")),
                            Effect(showHeading),
                            Effect(line(" X = 2500,5 Y = 2500,5 at price of X=6,5 and of Y =10. "
                                        "Cost = 41258,25\r")),
                            Effect(average("16,5"))));
}

TEST(TechnologyParameters, OnlyTheChosenTechnologyReadsItsParameters)
{
    DrawInputs inputs = with(TechnologyType::PerfectSubstitutes);
    inputs.cdExpX = "1e999";
    inputs.cdExpY = "0";
    EXPECT_TRUE(draw(inputs).completed);

    inputs = with(TechnologyType::CobbDouglas);
    inputs.coefX = "0";
    inputs.coefY = "1e999";
    EXPECT_TRUE(draw(inputs).completed);
}

TEST(TechnologyParameters, EditedParametersChangeTheChoice)
{
    DrawInputs inputs = with(TechnologyType::PerfectSubstitutes);
    inputs.coefX = "2"; // X alone: 1500 units at 6 = 9000
    EXPECT_EQ(resultLine(draw(inputs)),
              " X = 1500. Y = 0. at price of X=6 and of Y =10. Cost = 9000.\r");
}

TEST(UnknownTechnology, DrawsNothing)
{
    const DrawOutcome outcome = draw(with(static_cast<TechnologyType>(7)));
    EXPECT_TRUE(outcome.effects.empty());
}

} // namespace
