#include "drawmessage.h"

#include "analysis/technologies.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <variant>

namespace {

/// The regional settings without digit grouping, so that "9996" never reads as 9.996.
QLocale regional()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

/// A value as typed or computed, in the regional form.
QString number(double value)
{
    if (std::isinf(value))
        return DrawMessage::tr("a number beyond 1.8E+308");
    return regional().toString(value, 'g', 12);
}

/// A chosen quantity or cost, to the hundredth as the result line shows it.
QString quantity(double value)
{
    const double hundredths = std::round(value * 100) / 100;
    return regional().toString(std::isfinite(hundredths) ? hundredths : value, 'g', 15);
}

QString stepName(analysis::DrawStep step)
{
    using analysis::DrawStep;
    switch (step) {
    case DrawStep::ReadInputs:
        return DrawMessage::tr("the Draw");
    case DrawStep::Isoquant:
        return DrawMessage::tr("the isoquant");
    case DrawStep::Choice:
        return DrawMessage::tr("the cheapest combination");
    case DrawStep::IsocostLine:
        return DrawMessage::tr("the isocost line");
    case DrawStep::ChoicePoint:
        return DrawMessage::tr("the chosen point");
    case DrawStep::Slope:
        return DrawMessage::tr("the slope of the isocost line");
    case DrawStep::ResultLine:
        return DrawMessage::tr("the result line");
    case DrawStep::AverageCost:
        break;
    }
    return DrawMessage::tr("the average cost");
}

QString technologyName(analysis::TechnologyType type)
{
    const analysis::TechnologyEntry *technology = analysis::findTechnology(type);
    return technology
            ? QCoreApplication::translate(analysis::technologyTextContext, technology->caption)
            : QString();
}

/// Whether `stop` is a division by a price of 0.
bool priceOfZero(const analysis::Diagnostic &stop)
{
    using analysis::InputBox;
    return stop.kind == analysis::DiagnosticKind::DivisionByZero
            && (stop.input == InputBox::PriceX || stop.input == InputBox::PriceY)
            && stop.inputValue == 0;
}

/// The first sentence of a Draw that completed or wrote the impossibility line.
QString resultSentence(const analysis::ResultRecord &r)
{
    const QString technology = technologyName(r.technology);
    if (r.outcome == analysis::ResultOutcome::Impossible) {
        return DrawMessage::tr("%1, short period: a level of %2 cannot be produced with Y fixed "
                               "at %3.")
                .arg(technology, number(r.level), number(r.fixedY.value_or(0)));
    }
    const QString point = DrawMessage::tr("X = %1 and Y = %2 at a cost of %3")
                                  .arg(quantity(r.x.value_or(0)), quantity(r.y.value_or(0)),
                                       quantity(r.cost.value_or(0)));
    if (r.shortPeriod) {
        return DrawMessage::tr("%1, short period with Y fixed at %2: a level of %3 needs %4.")
                .arg(technology, number(r.fixedY.value_or(0)), number(r.level), point);
    }
    // A point of the scanned isoquant is only near the cheapest combination: it is not called
    // the cheapest way.
    if (r.scanned)
        return DrawMessage::tr("%1, long run: to produce %2, the cheapest of the points scanned on "
                               "the isoquant is %3.")
                .arg(technology, number(r.level), point);
    return DrawMessage::tr("%1, long run: the cheapest way to produce %2 is %3.")
            .arg(technology, number(r.level), point);
}

QString stopSentence(const analysis::Diagnostic &stop)
{
    using analysis::DiagnosticKind;
    const QString step = stepName(stop.step);
    const QString box = stop.input ? DrawMessage::boxName(*stop.input) : QString();
    const QString value = number(stop.inputValue);
    switch (stop.kind) {
    case DiagnosticKind::DivisionByZero:
        if (priceOfZero(stop))
            return DrawMessage::tr("Stopped: %1 is 0, but the program needs prices above 0.")
                    .arg(box);
        if (stop.input)
            return DrawMessage::tr("Stopped: %1 is %2, so %3 cannot be computed.")
                    .arg(box, value, step);
        return DrawMessage::tr("Stopped: %1 needs a division by 0.").arg(step);
    case DiagnosticKind::NegativePower:
        if (stop.input)
            return DrawMessage::tr("Stopped: %1 is %2, and a negative number has no power of %3, "
                                   "so %4 cannot be computed.")
                    .arg(box, value, number(stop.second), step);
        return DrawMessage::tr("Stopped: %1 needs a power of a negative number.").arg(step);
    case DiagnosticKind::BeyondDouble:
        if (!stop.text.empty() && stop.input)
            return DrawMessage::tr("Stopped: %1, \"%2\", is too large for a number (the largest is "
                                   "about 1.8E+308).")
                    .arg(box, QString::fromStdString(stop.text));
        if (stop.input)
            return DrawMessage::tr("Stopped: with %1 at %2, %3 is too large to compute (beyond "
                                   "about 1.8E+308).")
                    .arg(box, value, step);
        return DrawMessage::tr("Stopped: %1 is too large to compute (beyond about 1.8E+308).")
                .arg(step);
    case DiagnosticKind::BeyondChart:
        if (stop.input)
            return DrawMessage::tr("Stopped: with %1 at %2, %3 lies too far off the chart to be "
                                   "drawn (beyond about 3.4E+38).")
                    .arg(box, value, step);
        return DrawMessage::tr("Stopped: %1 lies too far off the chart to be drawn (beyond about "
                               "3.4E+38).")
                .arg(step);
    case DiagnosticKind::OutsideDomain:
        return DrawMessage::tr("Stopped: %1 is %2, but it must be greater than %3.")
                .arg(box, value, number(stop.second));
    case DiagnosticKind::PartialRead:
    case DiagnosticKind::NothingRead:
    case DiagnosticKind::CheapestAtScanEdge:
    case DiagnosticKind::ExactBeyondScan:
    case DiagnosticKind::ChoiceOutsideChart:
    case DiagnosticKind::Tie:
        break;
    }
    return {};
}

QString warningSentence(const analysis::Diagnostic &warning)
{
    using analysis::DiagnosticKind;
    switch (warning.kind) {
    case DiagnosticKind::PartialRead:
    case DiagnosticKind::NothingRead: {
        const QString box = warning.input ? DrawMessage::boxName(*warning.input) : QString();
        const QString text = QString::fromStdString(warning.text);
        QString sentence = warning.kind == DiagnosticKind::NothingRead
                ? DrawMessage::tr("Nothing of %1, \"%2\", reads as a number: it counts as 0.")
                          .arg(box, text)
                : DrawMessage::tr("Only the start of %1, \"%2\", was read: it counts as %3.")
                          .arg(box, text, number(warning.first));
        const bool comma = QLocale().decimalPoint() != QLatin1String(".")
                || warning.text.compare(warning.usedLength, 1, ",") == 0;
        if (comma)
            sentence += QLatin1Char(' ')
                    + DrawMessage::tr("Numbers are typed with a point, for example 2.5.");
        return sentence;
    }
    case DiagnosticKind::CheapestAtScanEdge:
        return DrawMessage::tr("The cheapest scanned point lies at X = %1, an end of the scan "
                               "(X from 1 to %2), so the cheapest combination may lie outside "
                               "the chart.")
                .arg(quantity(warning.first), quantity(warning.second));
    case DiagnosticKind::ExactBeyondScan:
        return DrawMessage::tr("This combination is exact: it lies beyond the drawn part of the "
                               "isoquant, whose scanned points run from X = %1 to X = %2.")
                .arg(quantity(warning.first), quantity(warning.second));
    case DiagnosticKind::ChoiceOutsideChart:
        return DrawMessage::tr("The chosen point, X = %1 and Y = %2, lies outside the chart.")
                .arg(quantity(warning.first), quantity(warning.second));
    case DiagnosticKind::Tie:
        return DrawMessage::tr("Both corners cost the same, so every combination on the isoquant "
                               "between them costs the same: the result line shows one of them.");
    case DiagnosticKind::DivisionByZero:
    case DiagnosticKind::NegativePower:
    case DiagnosticKind::BeyondDouble:
    case DiagnosticKind::BeyondChart:
    case DiagnosticKind::OutsideDomain:
        break;
    }
    return {};
}

} // namespace

QString DrawMessage::boxName(analysis::InputBox box)
{
    using analysis::InputBox;
    switch (box) {
    case InputBox::Level:
        return tr("the level of production");
    case InputBox::PriceX:
        return tr("the price of X");
    case InputBox::PriceY:
        return tr("the price of Y");
    case InputBox::FixedY:
        return tr("the fixed level of Y");
    default:
        break;
    }
    const analysis::ParameterBox *parameter = analysis::findParameterBox(box);
    return parameter
            ? QCoreApplication::translate(analysis::technologyTextContext, parameter->description)
            : QString();
}

QString DrawMessage::status(const analysis::DrawOutcome &outcome, EarlierTexts earlier)
{
    QStringList sentences;
    const analysis::Diagnostic *stop = nullptr;
    if (!outcome.diagnostics.empty() && outcome.diagnostics.back().stops())
        stop = &outcome.diagnostics.back();

    if (stop)
        sentences << stopSentence(*stop);
    if (outcome.result)
        sentences << resultSentence(*outcome.result);
    // After a stop only the partial reads matter: they may explain it. The other warnings are
    // about a result that did not come.
    for (const analysis::Diagnostic &diagnostic : outcome.diagnostics) {
        const bool partial = diagnostic.kind == analysis::DiagnosticKind::PartialRead
                || diagnostic.kind == analysis::DiagnosticKind::NothingRead;
        if (!diagnostic.stops() && (!stop || partial))
            sentences << warningSentence(diagnostic);
    }
    if (earlier.slope && earlier.averageCost)
        sentences << tr("The slope and the average cost shown are from an earlier Draw.");
    else if (earlier.slope)
        sentences << tr("The slope shown is from an earlier Draw.");
    else if (earlier.averageCost)
        sentences << tr("The average cost shown is from an earlier Draw.");
    if (sentences.isEmpty())
        sentences << tr("The Draw wrote nothing.");
    return sentences.join(QLatin1Char(' '));
}

EarlierTexts DrawMessage::earlierTexts(const analysis::DrawOutcome &outcome, bool slopeShown,
                                       bool averageCostShown)
{
    bool slopeWritten = false;
    bool averageWritten = false;
    for (const analysis::Effect &effect : outcome.effects) {
        if (const auto *caption = std::get_if<analysis::SetCaption>(&effect)) {
            slopeWritten = slopeWritten || caption->label == analysis::ResultLabel::Slope;
            averageWritten = averageWritten || caption->label == analysis::ResultLabel::AverageCost;
        }
    }
    EarlierTexts earlier;
    earlier.slope = !slopeWritten && slopeShown;
    earlier.averageCost = !averageWritten && averageCostShown;
    return earlier;
}

bool DrawMessage::drewOnChart(const analysis::DrawOutcome &outcome)
{
    return std::any_of(outcome.effects.begin(), outcome.effects.end(), [](const auto &effect) {
        return std::holds_alternative<analysis::PlotPoint>(effect)
                || std::holds_alternative<analysis::DrawSegment>(effect);
    });
}

QString DrawMessage::chartDescription(int draws,
                                      const std::optional<analysis::ResultRecord> &latest)
{
    if (draws == 0)
        return tr("The chart is empty.");
    QString description = draws == 1
            ? tr("The chart shows 1 Draw since the last Clear.")
            : tr("The chart shows %1 Draws since the last Clear.").arg(draws);
    if (latest && latest->x && latest->y && latest->cost)
        description += QLatin1Char(' ')
                + tr("The latest chosen point is X = %1, Y = %2, which produces %3 at a cost "
                     "of %4.")
                          .arg(quantity(*latest->x), quantity(*latest->y), number(latest->level),
                               quantity(*latest->cost));
    if (latest && latest->slope)
        description += QLatin1Char(' ')
                + tr("The slope of its isocost line is -%1.").arg(number(*latest->slope));
    if (latest && latest->averageCost)
        description += QLatin1Char(' ')
                + tr("The average cost is %1.").arg(quantity(*latest->averageCost));
    return description;
}
