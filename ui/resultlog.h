#pragma once

#include "analysis/draw.h"
#include "resulttable.h"

#include <cstdint>
#include <optional>
#include <vector>

/// How a Draw that wrote a result line ended.
enum class ResultOutcome { Completed, Impossible, StoppedAtAverageCost };

/// A Draw that wrote a result line, with the numbers of that line at full precision. Quantities
/// and money are in plain units, as the line reports them; absent where the Draw computed none.
struct ResultRow
{
    analysis::TechnologyType technology = analysis::TechnologyType::CobbDouglas;
    bool shortPeriod = false;
    ResultOutcome outcome = ResultOutcome::Completed;
    double level = 0, priceX = 0, priceY = 0;
    std::optional<double> fixedY; ///< short period only
    std::optional<double> parameterA, parameterB; ///< the technology's a and b, if it has them
    std::optional<double> x, y, cost, slope, averageCost;

    bool operator==(const ResultRow &) const = default;
};

/// The Draws since the last Clear that wrote a result line, for export, copy and print.
class ResultLog
{
public:
    /// Counts the Draw and keeps its row if it wrote a result line.
    void recordDraw(const analysis::DrawInputs &inputs, const analysis::DrawOutcome &outcome);
    /// Forgets every row and restarts the count of Draws.
    void clear();

    /// The number of rows.
    std::size_t size() const { return entries.size(); }
    /// The number, since the last Clear, of the Draw that wrote row `index`.
    int drawNumber(std::size_t index) const { return entries[index].draw; }
    const ResultRow &row(std::size_t index) const { return distinct[entries[index].row]; }
    /// The rows as a table with a header row, texts in English.
    Table table() const;
    /// One line per technology and parameters used by the rows, in order of first use,
    /// numbers in `locale`'s form.
    QStringList technologiesUsed(const QLocale &locale) const;

private:
    /// Keeps `row` for the Draw just counted.
    void add(const ResultRow &row);

    struct Entry
    {
        int draw;
        std::uint32_t row; ///< index into `distinct`
    };
    /// A row equal to the one before it is kept once: a class repeating the same Draw many
    /// times costs a few bytes a Draw.
    std::vector<ResultRow> distinct;
    std::vector<Entry> entries;
    int draws = 0;
};

/// The technology's caption as its option button shows it.
QString technologyCaption(analysis::TechnologyType technology);
