#pragma once
// Stored values as the windows show them: empty for Null, days "yyyy-m-d", date-times
// "yyyy-m-d hh:mm:ss", numbers in plain decimals ("24.18", "12340000"), texts as stored.
#include <QByteArrayView>
#include <QString>
#include <QTime>
#include <QVariant>
#include <optional>

namespace korvell {

// A value of a Recordset, already of its column's type.
QString valueText(const QVariant& value);
// A value as the driver gives it, in a column of ADO type code type: a date column's text as its
// day, a date-time column's as its day and time, a numeric column's as its number.
QString valueText(const QVariant& value, int type);

// "hh:mm:ss"; empty for an invalid time.
QString clockText(const QTime& time);
// The number with at most 15 significant digits: whole numbers below 1e15 in full, others as
// the general format gives them ("24.18", "1e-05").
QString numberText(double number);
// numberText of a plain decimal text ("12.340", "-0.5"), read without the double where the text
// settles it; nothing for text that is no plain decimal or needs the general format.
std::optional<QString> decimalText(QByteArrayView text);

} // namespace korvell
