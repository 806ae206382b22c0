#include "resultlog.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSet>

#include <utility>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ResultLog", text);
}

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

const char *technologyName(analysis::TechnologyType technology)
{
    switch (technology) {
    case analysis::TechnologyType::PerfectSubstitutes:
        return QT_TRANSLATE_NOOP("ResultLog", "Perfect substitutes");
    case analysis::TechnologyType::FixedProportions:
        return QT_TRANSLATE_NOOP("ResultLog", "Fixed proportions");
    case analysis::TechnologyType::CobbDouglas:
        break;
    }
    return QT_TRANSLATE_NOOP("ResultLog", "Cobb-Douglas");
}

/// The production function with its parameters, as the parameter window shows it.
QString technologyWithParameters(const ResultRow &row, const QLocale &locale)
{
    const auto number = [&locale](const std::optional<double> &value) {
        return value ? exactNumberText(*value).replace(u'.', locale.decimalPoint()) : QString();
    };
    QString function;
    switch (row.technology) {
    case analysis::TechnologyType::PerfectSubstitutes:
        function = tr("Prod = a X + b Y with a = %1, b = %2");
        break;
    case analysis::TechnologyType::FixedProportions:
        return tr("%1: 1 unit of X should be used with 1 unit of Y in order to obtain 1 unit of "
                  "output")
                .arg(technologyCaption(row.technology));
    case analysis::TechnologyType::CobbDouglas:
        function = tr("Prod = X ^ a * Y ^ b with a = %1, b = %2");
        break;
    }
    return technologyCaption(row.technology) + QStringLiteral(": ")
            + function.arg(number(row.parameterA), number(row.parameterB));
}

} // namespace

QString technologyCaption(analysis::TechnologyType technology)
{
    return tr(technologyName(technology));
}

void ResultLog::recordDraw(const analysis::DrawInputs &inputs, const analysis::DrawOutcome &outcome)
{
    ++draws;
    (void)inputs;
    (void)outcome;
}

void ResultLog::add(const ResultRow &row)
{
    if (distinct.empty() || !(distinct.back() == row))
        distinct.push_back(row);
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
    // The file's columns keep English names and words whatever the program's language, so that
    // scripts reading them need not know it.
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
        const ResultRow &row = distinct[entry.row];
        table.rows.append({
                double(entry.draw),
                QString::fromLatin1(technologyName(row.technology)),
                row.shortPeriod ? QStringLiteral("short period") : QStringLiteral("long run"),
                row.level,
                row.priceX,
                row.priceY,
                cell(row.fixedY),
                cell(row.parameterA),
                cell(row.parameterB),
                cell(row.x),
                cell(row.y),
                cell(row.cost),
                cell(row.slope),
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
    for (const ResultRow &row : distinct) {
        QString line = technologyWithParameters(row, locale);
        if (!seen.contains(line)) {
            seen.insert(line);
            used << std::move(line);
        }
    }
    return used;
}
