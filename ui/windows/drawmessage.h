#pragma once

#include "analysis/draw.h"

#include <QCoreApplication>
#include <QString>

/// Which result texts on screen a Draw left as an earlier Draw wrote them.
struct EarlierTexts
{
    bool slope = false; ///< the slope caption was not rewritten and is not empty
    bool averageCost = false; ///< the average cost caption was not rewritten and is not empty
};

/// The words of the status line and of the chart's accessible description, from what the core
/// reports about a Draw. Numbers are written in the user's regional settings.
class DrawMessage
{
    Q_DECLARE_TR_FUNCTIONS(DrawMessage)

public:
    /// The status line after a Draw: what it produced, or why it stopped, then its warnings, then
    /// which texts on screen are from an earlier Draw.
    static QString status(const analysis::DrawOutcome &outcome, EarlierTexts earlier);

    /// Which of the slope and average cost captions `outcome` did not write, of those that are
    /// not empty (`slopeShown`, `averageCostShown`) once it is applied.
    static EarlierTexts earlierTexts(const analysis::DrawOutcome &outcome, bool slopeShown,
                                     bool averageCostShown);

    /// Whether `outcome` plotted a point or drew a segment on the chart.
    static bool drewOnChart(const analysis::DrawOutcome &outcome);

    /// The chart's accessible description: how many Draws it shows, and the latest chosen point
    /// with its level, cost, slope of the isocost line and average cost.
    static QString chartDescription(int draws, const std::optional<analysis::ResultRecord> &latest);

    /// The box as a student knows it, for example "the price of Y".
    static QString boxName(analysis::InputBox box);
};
