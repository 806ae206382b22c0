// The table of technologies as a whole: what every entry must hold, so that a technology added
// to it is checked without a test of its own.
#include "analysis/curves.h"
#include "analysis/numericvalue.h"
#include "analysis/technologies.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace analysis;

namespace {

TEST(Technologies, RunFromOneInTheOrderOfTheirButtons)
{
    int expected = 1;
    for (const TechnologyEntry &technology : technologies()) {
        EXPECT_EQ(static_cast<int>(technology.type), expected++) << technology.caption;
        EXPECT_EQ(findTechnology(technology.type), &technology) << technology.caption;
    }
    EXPECT_EQ(findTechnology(TechnologyType{ 0 }), nullptr);
    EXPECT_EQ(findTechnology(static_cast<TechnologyType>(expected)), nullptr);
}

TEST(Technologies, EachParameterBoxHoldsItsTextAndAnAdmittedDefault)
{
    for (const TechnologyEntry &technology : technologies()) {
        for (const ParameterBox &parameter : technology.parameters) {
            EXPECT_EQ(findParameterBox(parameter.box), &parameter) << parameter.name;
            EXPECT_EQ(textOf(parameter.box), parameter.text) << parameter.name;
            const std::optional<double> value = numericValue(parameter.defaultText());
            ASSERT_TRUE(value) << parameter.name;
            EXPECT_TRUE(parameter.admits(*value)) << parameter.name;
            for (const double outside : { parameter.greaterThan, parameter.greaterThan - 1,
                                          std::numeric_limits<double>::infinity() })
                EXPECT_FALSE(parameter.admits(outside)) << parameter.name << " " << outside;
        }
    }
    EXPECT_EQ(findParameterBox(InputBox::Level), nullptr);
}

// The exact isoquant a figure draws: its Y at each X, its intercepts or its corner, all
// produce the level.
TEST(Technologies, IsoquantDescriptionsProduceTheLevel)
{
    for (const TechnologyEntry &entry : technologies()) {
        const Technology t = defaultTechnology(entry.type);
        const auto output = [&](double x, double y) { return entry.output(x, y, t.parameters); };
        for (const double q : { 0.5, 3000.0, 2e6 }) {
            const std::optional<IsoquantShape> shape = isoquantShape(t, q);
            ASSERT_TRUE(shape) << entry.caption;
            switch (shape->form) {
            case IsoquantForm::Line:
                EXPECT_NEAR(output(shape->x, 0), q, 1e-12 * q) << entry.caption;
                EXPECT_NEAR(output(0, shape->y), q, 1e-12 * q) << entry.caption;
                break;
            case IsoquantForm::Corner:
                EXPECT_EQ(output(shape->x, shape->y), q) << entry.caption;
                EXPECT_EQ(output(shape->x, 2 * shape->y), q) << entry.caption;
                break;
            case IsoquantForm::Curve:
                break;
            }
            int points = 0;
            for (double x = q / 64; x < 4 * q; x *= 1.5) {
                if (const std::optional<double> y = isoquantY(t, q, x)) {
                    ++points;
                    EXPECT_NEAR(output(x, *y), q, 1e-9 * q) << entry.caption << " x " << x;
                }
            }
            EXPECT_GT(points, 2) << entry.caption;
        }
    }
}

} // namespace
