#include "desktop/data/valuetext.h"

#include "desktop/data/execsql.h"

#include <QDateTime>
#include <cmath>

namespace korvell {

QString valueText(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return dayText(value.toDate());
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        return dayText(moment.date()) + ' ' + clockText(moment.time());
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return numberText(value.toDouble());
    default:
        return value.toString();
    }
}

QString valueText(const QVariant& value, int type)
{
    if (value.isNull())
        return {};
    switch (type) {
    case adDBDate:
    case adDBTimeStamp: {
        QDate day;
        QTime time;
        if (readMoment(value, day, time))
            return type == adDBDate ? dayText(day) : dayText(day) + ' ' + clockText(time);
        break; // shown as stored
    }
    case adNumeric:
    case adDouble: {
        bool number = false;
        const double v = value.toDouble(&number);
        if (number)
            return numberText(v);
        break;
    }
    default:
        break;
    }
    return valueText(value);
}

// By hand: QTime::toString parses its format for every value.
QString clockText(const QTime& time)
{
    if (!time.isValid())
        return {};
    char text[] = "00:00:00";
    const int parts[] = { time.hour(), time.minute(), time.second() };
    for (int i = 0; i < 3; ++i) {
        text[3 * i] = char('0' + parts[i] / 10);
        text[3 * i + 1] = char('0' + parts[i] % 10);
    }
    return QString::fromLatin1(text, 8);
}

// Whole numbers below 1e15 print as integers (as 'g' with 15 digits prints them) without the
// general, much slower, digit generation.
QString numberText(double number)
{
    if (std::abs(number) < 1e15 && std::trunc(number) == number)
        return QString::number(qint64(number));
    return QString::number(number, 'g', 15);
}

std::optional<QString> decimalText(QByteArrayView text)
{
    const qsizetype size = text.size();
    qsizetype i = size > 0 && text[0] == '-' ? 1 : 0;
    const qsizetype integerStart = i;
    while (i < size && text[i] >= '0' && text[i] <= '9')
        ++i;
    const qsizetype integerDigits = i - integerStart;
    qsizetype end = i; // after the last digit that stays
    qsizetype leadingZeros = 0; // of the fraction, when the integer part is 0
    if (i < size && text[i] == '.') {
        const qsizetype fraction = ++i;
        while (i < size && text[i] >= '0' && text[i] <= '9')
            ++i;
        qsizetype last = i;
        while (last > fraction && text[last - 1] == '0')
            --last;
        end = last > fraction ? last : fraction - 1;
        while (fraction + leadingZeros < last && text[fraction + leadingZeros] == '0')
            ++leadingZeros;
    }
    if (i != size || integerDigits == 0 || (integerDigits > 1 && text[integerStart] == '0'))
        return std::nullopt;
    const bool zeroInteger = text[integerStart] == '0';
    const qsizetype fractionDigits
        = end > integerStart + integerDigits ? end - integerStart - integerDigits - 1 : 0;
    const qsizetype significant
        = (zeroInteger ? 0 : integerDigits) + fractionDigits - (zeroInteger ? leadingZeros : 0);
    // The general format takes exponents from 1e15 up and below 1e-4, and 15 digits at most.
    if (integerDigits > 15 || significant > 15 || (zeroInteger && fractionDigits > 0 && leadingZeros >= 4))
        return std::nullopt;
    if (zeroInteger && fractionDigits == 0)
        return QStringLiteral("0"); // "-0.00" too
    return QString::fromLatin1(text.data(), end);
}

} // namespace korvell
