#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

QT_BEGIN_NAMESPACE
class QLocale;
class QMimeData;
QT_END_NAMESPACE

/// One cell of a table written out of the program: empty, a number or a text.
using TableCell = std::variant<std::monostate, double, QString>;

/// A table with a header row, written the same way whatever it holds.
struct Table
{
    QStringList header;
    QList<QList<TableCell>> rows; ///< each as long as the header
};

/// `value` rounded to 12 significant digits, in its shortest form, with "." as the decimal point
/// and no grouping ("0.7", "4511" for 4510.999999999926, "1158.15739843", "1e+300"); empty for a
/// value that is not finite.
QString numberText(double value);

/// The table as CSV (RFC 4180): UTF-8, the header row first, CRLF line ends, fields quoted
/// where they hold a comma, a quote or a line break; numbers as numberText() writes them.
QByteArray toCsv(const Table &table);

/// The table as tab-separated lines with the decimal separator of `locale`, numbers as
/// numberText() writes them, so
/// that a spreadsheet of the user's language reads them as columns of numbers.
QString toTabSeparated(const Table &table, const QLocale &locale);

/// The table as an HTML table, numbers as in toTabSeparated().
QString toHtmlTable(const Table &table, const QLocale &locale);

/// The table for the clipboard: tab-separated text and an HTML table in one entry.
QMimeData *tableMimeData(const Table &table, const QLocale &locale);
