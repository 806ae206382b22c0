#pragma once

#include "analysis/draw.h"
#include "ui/results/resulttable.h"

#include <QString>

#include <cstdint>
#include <vector>

QT_BEGIN_NAMESPACE
class QLocale;
QT_END_NAMESPACE

/// The Draws since the last Clear that wrote a result line, as the core recorded them and with
/// the text each wrote into the results list, for export, copy and print.
class ResultLog
{
public:
    /// Counts the Draw and keeps its record if it wrote a result line.
    void recordDraw(const analysis::DrawOutcome &outcome);
    /// Forgets every row and restarts the count of Draws.
    void clear();

    /// The number of rows.
    std::size_t size() const { return entries.size(); }
    /// The number, since the last Clear, of the Draw that wrote row `index`.
    int drawNumber(std::size_t index) const { return entries[index].draw; }
    const analysis::ResultRecord &row(std::size_t index) const
    {
        return distinct[entries[index].row].record;
    }
    /// The lines the rows wrote into the results list, oldest first, without their carriage
    /// returns.
    QStringList resultLines() const;
    /// The rows as a table with a header row, in English whatever the program's language, so
    /// that scripts reading the file need not know it. The slope is the line's, negative.
    Table table() const;
    /// One line per technology and parameters used by the rows, in order of first use,
    /// numbers in `locale`'s form.
    QStringList technologiesUsed(const QLocale &locale) const;

private:
    struct Entry
    {
        int draw;
        std::uint32_t row; ///< index into `distinct`
    };
    struct Kept
    {
        analysis::ResultRecord record;
        QString text; ///< what the Draw appended to the results list
        bool operator==(const Kept &) const = default;
    };
    /// A row equal to the one before it is kept once: a class repeating the same Draw many
    /// times costs a few bytes a Draw.
    std::vector<Kept> distinct;
    std::vector<Entry> entries;
    int draws = 0;
};
