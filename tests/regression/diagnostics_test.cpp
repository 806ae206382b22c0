// What a Draw says about itself: its diagnostics for hostile inputs, and the record of the
// result line it wrote. Every row's effects must also be those the fuzz oracle expects, so the
// diagnostics never change what the Draw shows.
#include "analysis/draw.h"
#include "analysis/technologies.h"
#include "fuzz/checks/invariants.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace analysis;

namespace {

using Kind = DiagnosticKind;

struct DiagnosticCase
{
    const char *name;
    TechnologyType technology;
    bool shortPeriod;
    std::vector<std::pair<InputBox, const char *>> texts; ///< changed from the defaults
    std::vector<Kind> kinds; ///< every diagnostic, in order
    DrawStep lastStep = DrawStep::ReadInputs; ///< of the last diagnostic
    std::optional<InputBox> lastInput = std::nullopt; ///< of the last diagnostic
};

class Diagnostics : public ::testing::TestWithParam<DiagnosticCase>
{
};

TEST_P(Diagnostics, NameWhatHappenedWhereAndLeaveTheEffectsAlone)
{
    const DiagnosticCase &c = GetParam();
    DrawInputs inputs;
    inputs.technology = c.technology;
    inputs.shortPeriod = c.shortPeriod;
    for (const auto &[box, text] : c.texts)
        inputs.*textOf(box) = text;
    const DrawOutcome outcome = draw(inputs);

    EXPECT_EQ(checks::checkDrawOutcome(inputs, outcome), "");
    std::vector<Kind> kinds;
    for (const Diagnostic &diagnostic : outcome.diagnostics)
        kinds.push_back(diagnostic.kind);
    ASSERT_EQ(kinds, c.kinds);
    const bool stopped = !kinds.empty() && outcome.diagnostics.back().stops();
    EXPECT_EQ(outcome.completed, !stopped);
    if (!kinds.empty()) {
        EXPECT_EQ(outcome.diagnostics.back().step, c.lastStep);
        EXPECT_EQ(outcome.diagnostics.back().input, c.lastInput);
    }
}

constexpr auto substitutes = TechnologyType::PerfectSubstitutes;
constexpr auto proportions = TechnologyType::FixedProportions;
constexpr auto cobbDouglas = TechnologyType::CobbDouglas;
constexpr bool longRun = false, shortRun = true;
using B = InputBox;
using S = DrawStep;

// clang-format off
const DiagnosticCase hostileInputs[] = {
    { "PerfectSubstitutes", substitutes, longRun, {}, {} },
    { "FixedProportions", proportions, longRun, {}, {} },
    { "CobbDouglas", cobbDouglas, longRun, {}, {} },
    { "CobbDouglasShort", cobbDouglas, shortRun, {}, {} },
    { "PriceXZero", cobbDouglas, longRun, { { B::PriceX, "0" } },
      { Kind::CheapestAtScanEdge, Kind::DivisionByZero }, S::IsocostLine, B::PriceX },
    { "PriceYZeroAtTheSlope", proportions, shortRun, { { B::PriceY, "0" }, { B::FixedY, "3000" } },
      { Kind::DivisionByZero }, S::Slope, B::PriceY },
    { "CoefXZero", substitutes, longRun, { { B::CoefX, "0" } },
      { Kind::OutsideDomain }, S::ReadInputs, B::CoefX },
    { "CdExpYZero", cobbDouglas, longRun, { { B::CdExpY, "0" } },
      { Kind::OutsideDomain }, S::ReadInputs, B::CdExpY },
    { "CdExpXZeroShort", cobbDouglas, shortRun, { { B::CdExpX, "0" } },
      { Kind::OutsideDomain }, S::ReadInputs, B::CdExpX },
    { "CoefYNothingReadShort", substitutes, shortRun, { { B::CoefY, "abc" } },
      { Kind::NothingRead, Kind::OutsideDomain }, S::ReadInputs, B::CoefY },
    { "TextTooLargeBeforeTheDomain", cobbDouglas, longRun,
      { { B::CdExpX, "0" }, { B::CdExpY, "1e999" } },
      { Kind::BeyondDouble }, S::ReadInputs, B::CdExpY },
    { "FixedYZero", cobbDouglas, shortRun, { { B::FixedY, "0" } },
      { Kind::DivisionByZero }, S::Choice, B::FixedY },
    { "LevelZeroAtTheAverageCost", proportions, longRun, { { B::Level, "0" } },
      { Kind::DivisionByZero }, S::AverageCost, B::Level },
    { "NegativeLevel", cobbDouglas, longRun, { { B::Level, "-3000" } },
      { Kind::NegativePower }, S::Isoquant, B::Level },
    { "NegativeFixedY", cobbDouglas, shortRun, { { B::FixedY, "-2500" } },
      { Kind::NegativePower }, S::Choice, B::FixedY },
    { "LevelTextBeyondDouble", cobbDouglas, longRun, { { B::Level, "1e999" } },
      { Kind::BeyondDouble }, S::ReadInputs, B::Level },
    { "CostBeyondDouble", proportions, longRun, { { B::PriceX, "1e308" } },
      { Kind::BeyondDouble }, S::Choice, B::PriceX },
    { "CornerBeyondTheChartsPrecision", proportions, longRun, { { B::Level, "1e42" } },
      { Kind::BeyondChart }, S::Isoquant, B::Level },
    { "CommaReadInPart", cobbDouglas, longRun, { { B::PriceX, "2,5" } },
      { Kind::PartialRead }, S::ReadInputs, B::PriceX },
    { "DanglingExponentReadInPart", substitutes, longRun, { { B::CoefY, "1e" } },
      { Kind::PartialRead }, S::ReadInputs, B::CoefY },
    { "TrailingBlanksReadWhole", cobbDouglas, longRun, { { B::Level, " 3 000 " } }, {} },
    { "UnreadParameterNotWarned", proportions, longRun, { { B::CoefX, "2,5" } }, {} },
    { "ExactBeyondTheScan", cobbDouglas, longRun, { { B::Level, "20000" } },
      { Kind::ExactBeyondScan, Kind::ChoiceOutsideChart }, S::Choice },
    { "NothingReadAsTheLevel", cobbDouglas, longRun, { { B::Level, "abc" } },
      { Kind::NothingRead, Kind::ExactBeyondScan, Kind::DivisionByZero }, S::AverageCost,
      B::Level },
    { "CheapestAtTheScansEndWithoutAnExactChoice", cobbDouglas, longRun,
      { { B::Level, "-3000" }, { B::CdExpY, "1" } },
      { Kind::CheapestAtScanEdge, Kind::ChoiceOutsideChart }, S::Choice },
    { "CornerOutsideTheChart", proportions, longRun, { { B::Level, "20000" } },
      { Kind::ChoiceOutsideChart }, S::Choice },
    { "EqualCornerCostsTie", substitutes, longRun, { { B::PriceX, "5" }, { B::PriceY, "5" } },
      { Kind::Tie }, S::Choice },
    { "NoTieAtLevelZero", substitutes, longRun,
      { { B::Level, "0" }, { B::PriceX, "5" }, { B::PriceY, "5" } },
      { Kind::DivisionByZero }, S::AverageCost, B::Level },
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(HostileInputs, Diagnostics, ::testing::ValuesIn(hostileInputs),
                         [](const auto &info) { return std::string(info.param.name); });

// The record of the result line.

TEST(ResultRecord, LongRunChoiceOfEachTechnologyProducesTheLevel)
{
    for (const TechnologyEntry &technology : technologies()) {
        DrawInputs inputs;
        inputs.technology = technology.type;
        const DrawOutcome outcome = draw(inputs);
        ASSERT_TRUE(outcome.result) << technology.caption;
        const ResultRecord &r = *outcome.result;
        EXPECT_EQ(r.outcome, ResultOutcome::Completed);
        EXPECT_EQ(r.level, 3000);
        EXPECT_EQ(r.priceX, 6);
        EXPECT_EQ(r.slope, 0.6);
        EXPECT_FALSE(r.fixedY);
        EXPECT_EQ(r.parameterA.has_value(), !technology.parameters.empty());
        const TechnologyParameters p{ r.parameterA.value_or(0), r.parameterB.value_or(0) };
        // The scan's steps are 5 units wide: the chosen point lies on the isoquant within them.
        EXPECT_NEAR(technology.output(*r.x, *r.y, p), 3000, 3) << technology.caption;
        EXPECT_DOUBLE_EQ(*r.averageCost, *r.cost / 3000) << technology.caption;
    }
}

TEST(ResultRecord, HoldsTheCobbDouglasResultAtFullPrecision)
{
    const ResultRecord r = *draw(DrawInputs{}).result;
    EXPECT_EQ(r.technology, TechnologyType::CobbDouglas);
    EXPECT_NEAR(*r.x, 4511, 1e-6); // the line shows "4511."
    EXPECT_NE(*r.y, 1158.16); // the line rounds; the record does not
    EXPECT_NEAR(*r.y, 1158.16, 0.005);
    EXPECT_EQ(r.parameterA, 0.7);
    EXPECT_EQ(r.parameterB, 0.3);
}

TEST(ResultRecord, ShortPeriodIsInUnitsWithTheFixedY)
{
    DrawInputs inputs;
    inputs.technology = TechnologyType::PerfectSubstitutes;
    inputs.shortPeriod = true;
    inputs.fixedY = "1000";
    const ResultRecord r = *draw(inputs).result;
    EXPECT_TRUE(r.shortPeriod);
    EXPECT_EQ(r.fixedY, 1000);
    EXPECT_EQ(r.x, 2000);
    EXPECT_EQ(r.y, 1000);
    EXPECT_EQ(r.cost, 22000);
    EXPECT_EQ(r.averageCost, 22000.0 / 3000);
}

TEST(ResultRecord, ImpossibleAndStoppedResultsLeaveOutWhatWasNotComputed)
{
    DrawInputs impossible;
    impossible.technology = TechnologyType::FixedProportions;
    impossible.shortPeriod = true;
    const ResultRecord r = *draw(impossible).result;
    EXPECT_EQ(r.outcome, ResultOutcome::Impossible);
    EXPECT_FALSE(r.x || r.y || r.cost || r.slope || r.averageCost);
    EXPECT_EQ(r.priceY, 10);
    EXPECT_EQ(r.fixedY, 2500);

    DrawInputs levelZero;
    levelZero.level = "0";
    const ResultRecord stopped = *draw(levelZero).result;
    EXPECT_EQ(stopped.outcome, ResultOutcome::StoppedAtAverageCost);
    EXPECT_TRUE(stopped.cost);
    EXPECT_FALSE(stopped.averageCost);

    DrawInputs noLine;
    noLine.priceY = "0";
    EXPECT_FALSE(draw(noLine).result);
}

} // namespace
