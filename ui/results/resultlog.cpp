#include "resultlog.h"

#include "analysis/technologies.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSet>

#include <utility>
#include <variant>

namespace {

using analysis::ResultOutcome;
using analysis::ResultRecord;

TableCell cell(const std::optional<double> &value)
{
    if (value)
        return *value;
    return std::monostate{};
}

QString outcomeText(ResultOutcome outcome)
{
    switch (outcome) {
    case ResultOutcome::Completed:
        break;
    case ResultOutcome::Impossible:
        return QStringLiteral("impossible");
    case ResultOutcome::StoppedAtAverageCost:
        return QStringLiteral("stopped at the average cost");
    }
    return QStringLiteral("completed");
}

/// The technology's caption and production function with its parameters, in the words of the
/// windows: "Cobb-Douglas: Prod = X ^ a * Y ^ b with a = 0.7, b = 0.3".
QString technologyWithParameters(const ResultRecord &row, const QLocale &locale)
{
    const analysis::TechnologyEntry *technology = analysis::findTechnology(row.technology);
    if (!technology)
        return QString();
    QString line = QCoreApplication::translate(analysis::technologyTextContext, technology->caption)
            + QStringLiteral(": ")
            + QCoreApplication::translate(analysis::technologyTextContext, technology->formula);
    const std::optional<double> values[] = { row.parameterA, row.parameterB };
    QStringList parameters;
    for (std::size_t i = 0; i < technology->parameters.size() && i < std::size(values); ++i) {
        if (values[i])
            parameters << QLatin1Char("ab"[i]) + QStringLiteral(" = ")
                            + numberText(*values[i]).replace(u'.', locale.decimalPoint());
    }
    if (!parameters.isEmpty())
        line += QCoreApplication::translate("ResultLog", " with ") + parameters.join(u", ");
    return line;
}

} // namespace

void ResultLog::recordDraw(const analysis::DrawOutcome &outcome)
{
    ++draws;
    if (!outcome.result)
        return;
    Kept kept{ *outcome.result, QString() };
    for (const analysis::Effect &effect : outcome.effects) {
        const auto *append = std::get_if<analysis::AppendToCaption>(&effect);
        if (append && append->label == analysis::ResultLabel::ResultList)
            kept.text += QString::fromStdString(append->text);
    }
    if (distinct.empty() || !(distinct.back() == kept))
        distinct.push_back(std::move(kept));
    entries.push_back({ draws, std::uint32_t(distinct.size() - 1) });
}

void ResultLog::clear()
{
    distinct = {};
    entries = {};
    draws = 0;
}

Table ResultLog::table() const
{
    Table table;
    table.header = { QStringLiteral("Draw"),       QStringLiteral("Technology"),
                     QStringLiteral("Period"),     QStringLiteral("Level"),
                     QStringLiteral("Price of X"), QStringLiteral("Price of Y"),
                     QStringLiteral("Fixed Y"),    QStringLiteral("a"),
                     QStringLiteral("b"),          QStringLiteral("X"),
                     QStringLiteral("Y"),          QStringLiteral("Cost"),
                     QStringLiteral("Slope"),      QStringLiteral("Average cost"),
                     QStringLiteral("Outcome") };
    table.rows.reserve(qsizetype(entries.size()));
    for (const Entry &entry : entries) {
        const ResultRecord &row = distinct[entry.row].record;
        const analysis::TechnologyEntry *technology = analysis::findTechnology(row.technology);
        // The slope of the isocost line, negative; the record keeps priceX / priceY.
        const TableCell slope = row.slope ? TableCell(-*row.slope) : TableCell(std::monostate{});
        table.rows.append({
                double(entry.draw),
                technology ? QString::fromLatin1(technology->caption) : QString(),
                row.shortPeriod ? QStringLiteral("short period") : QStringLiteral("long run"),
                row.level,
                cell(row.priceX),
                cell(row.priceY),
                cell(row.fixedY),
                cell(row.parameterA),
                cell(row.parameterB),
                cell(row.x),
                cell(row.y),
                cell(row.cost),
                slope,
                cell(row.averageCost),
                outcomeText(row.outcome),
        });
    }
    return table;
}

QStringList ResultLog::technologiesUsed(const QLocale &locale) const
{
    QStringList used;
    QSet<QString> seen;
    for (const Kept &kept : distinct) {
        QString line = technologyWithParameters(kept.record, locale);
        if (!line.isEmpty() && !seen.contains(line)) {
            seen.insert(line);
            used << std::move(line);
        }
    }
    return used;
}

QStringList ResultLog::resultLines() const
{
    QStringList lines;
    lines.reserve(qsizetype(entries.size()));
    for (const Entry &entry : entries)
        lines << distinct[entry.row].text.split(u'\r', Qt::SkipEmptyParts);
    return lines;
}
