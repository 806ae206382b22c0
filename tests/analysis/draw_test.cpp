#include "analysis/draw.h"
#include "effectprinters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using namespace analysis;
using ::testing::ElementsAre;

TEST(CobbDouglasLongRun, DefaultInputsTraceTheCurveAndReportTheCheapestPoint)
{
    const DrawOutcome outcome = draw(DrawInputs {});
    ASSERT_TRUE(outcome.completed);
    const auto points = std::count_if(outcome.effects.begin(), outcome.effects.end(),
                                      [](const Effect &e) { return std::holds_alternative<PlotPoint>(e); });
    EXPECT_EQ(points, 1642);
    ASSERT_EQ(outcome.effects.size(), 1642u + 6);
    EXPECT_EQ(std::get<AppendToCaption>(outcome.effects[outcome.effects.size() - 2]).text,
              " X = 4511. Y = 1158.16 at price of X=6 and of Y =10. Cost = 38647.57\r");
}
