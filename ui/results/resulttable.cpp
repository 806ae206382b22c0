#include "resulttable.h"

#include "ui/overloaded.h"

#include <QLocale>
#include <QMimeData>

#include <array>
#include <charconv>
#include <cmath>

namespace {

/// A number with the decimal separator of `locale` in place of ".". Group separators are left
/// out: every spreadsheet reads the number without them.
QString regionalNumberText(double value, const QLocale &locale)
{
    QString text = numberText(value);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r')
        && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

/// A text cell on one line without tabs, so it stays one cell when pasted.
QString singleCell(QString text)
{
    for (const QChar breaking : { u'\t', u'\r', u'\n' })
        text.replace(breaking, u' ');
    return text;
}

QString cellText(const TableCell &cell, const QLocale *locale)
{
    return std::visit(Overloaded{
                              [](std::monostate) { return QString(); },
                              [locale](double value) {
                                  return locale ? regionalNumberText(value, *locale)
                                                : numberText(value);
                              },
                              [](const QString &text) { return text; },
                      },
                      cell);
}

} // namespace

QString numberText(double value)
{
    if (!std::isfinite(value))
        return QString();
    // Twelve significant digits hide the last bits of binary arithmetic (4510.999999999926 is
    // the scan's 4511) and keep every digit a student's calculator shows; the general format
    // drops trailing zeros. Never depends on the C or Qt locale.
    std::array<char, 32> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                      std::chars_format::general, 12);
    return QString::fromLatin1(digits.data(), result.ptr - digits.data());
}

QByteArray toCsv(const Table &table)
{
    QString csv;
    const auto line = [&csv](const QStringList &fields) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                csv += u',';
            csv += csvField(fields[i]);
        }
        csv += QStringLiteral("\r\n");
    };
    line(table.header);
    for (const QList<TableCell> &row : table.rows) {
        QStringList fields;
        for (const TableCell &cell : row)
            fields << cellText(cell, nullptr);
        line(fields);
    }
    return csv.toUtf8();
}

QString toTabSeparated(const Table &table, const QLocale &locale)
{
    QStringList lines;
    QStringList header;
    for (const QString &name : table.header)
        header << singleCell(name);
    lines << header.join(u'\t');
    for (const QList<TableCell> &row : table.rows) {
        QStringList fields;
        for (const TableCell &cell : row)
            fields << singleCell(cellText(cell, &locale));
        lines << fields.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

QString toHtmlTable(const Table &table, const QLocale &locale)
{
    QString html = QStringLiteral("<table>\n<tr>");
    for (const QString &name : table.header)
        html += QStringLiteral("<th>") + name.toHtmlEscaped() + QStringLiteral("</th>");
    html += QStringLiteral("</tr>\n");
    for (const QList<TableCell> &row : table.rows) {
        html += QStringLiteral("<tr>");
        for (const TableCell &cell : row)
            html += QStringLiteral("<td>") + cellText(cell, &locale).toHtmlEscaped()
                    + QStringLiteral("</td>");
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QMimeData *tableMimeData(const Table &table, const QLocale &locale)
{
    auto *data = new QMimeData;
    data->setText(toTabSeparated(table, locale));
    data->setHtml(toHtmlTable(table, locale));
    return data;
}
