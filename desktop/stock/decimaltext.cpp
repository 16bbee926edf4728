#include "desktop/stock/decimaltext.h"

#include <QLocale>
#include <cmath>

namespace korvell {

namespace {

    // Keeps every value well inside the range of __int128 (about 1.7e38), with room for sums.
    constexpr int maxDigits = 34;

    __int128 pow10(int n)
    {
        __int128 p = 1;
        while (n-- > 0)
            p *= 10;
        return p;
    }

} // namespace

std::optional<double> numberOf(const QString& text)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

Decimal::Decimal(__int128 u, int s)
    : units(u)
    , scale(s)
{
    normalize();
}

void Decimal::normalize()
{
    while (scale > 0 && units % 10 == 0) {
        units /= 10;
        --scale;
    }
    if (units == 0)
        scale = 0;
}

std::optional<Decimal> Decimal::parse(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+'))
        negative = t[i++] == '-';
    __int128 units = 0;
    int scale = 0, digits = 0;
    bool point = false, any = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        any = true;
        if (units != 0 || c != '0')
            ++digits;
        if (digits > maxDigits)
            return std::nullopt;
        units = units * 10 + (c.unicode() - '0');
        if (point)
            ++scale;
    }
    if (!any || scale > maxDigits)
        return std::nullopt;
    return Decimal(negative ? -units : units, scale);
}

std::optional<Decimal> Decimal::fromDouble(double v, int significant)
{
    if (!std::isfinite(v) || std::fabs(v) >= 1e30)
        return std::nullopt;
    if (v == 0)
        return Decimal();
    significant = std::clamp(significant, 1, 17);
    // "-d.ddddde+xx": the rounded digits and the exponent of the first one.
    const QString e = QString::number(v, 'e', significant - 1);
    const qsizetype ePos = e.indexOf('e');
    QString digits = e.left(ePos);
    const bool negative = digits.startsWith('-');
    digits.remove('-').remove('.');
    const int exponent = e.mid(ePos + 1).toInt();
    __int128 units = 0;
    for (const QChar c : digits)
        units = units * 10 + (c.unicode() - '0');
    // value = units * 10^(exponent - (digits - 1))
    const int shift = exponent - int(digits.size() - 1);
    if (-shift > maxDigits)
        return std::nullopt; // too small for a weight; the caller falls back to exponent form
    if (shift >= 0)
        return Decimal((negative ? -units : units) * pow10(shift), 0);
    return Decimal(negative ? -units : units, -shift);
}

std::optional<Decimal> Decimal::fromStored(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return fromDouble(value.toDouble(), 15);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return Decimal(value.toLongLong(), 0);
    default:
        if (auto d = parse(value.toString()))
            return d;
        if (auto v = numberOf(value.toString()))
            return fromDouble(*v, 15);
        return std::nullopt;
    }
}

std::optional<Decimal> Decimal::plus(const Decimal& other) const
{
    const int s = std::max(scale, other.scale);
    __int128 a = 0, b = 0, sum = 0;
    if (__builtin_mul_overflow(units, pow10(s - scale), &a)
        || __builtin_mul_overflow(other.units, pow10(s - other.scale), &b)
        || __builtin_add_overflow(a, b, &sum))
        return std::nullopt;
    return Decimal(sum, s);
}

std::optional<Decimal> Decimal::minus(const Decimal& other) const
{
    return plus(Decimal(-other.units, other.scale));
}

int Decimal::digits() const
{
    int count = 1;
    for (__int128 u = units < 0 ? -units : units; u >= 10; u /= 10)
        ++count;
    return count;
}

QString Decimal::text() const
{
    __int128 u = units < 0 ? -units : units;
    QString digits;
    do {
        digits.prepend(QChar('0' + int(u % 10)));
        u /= 10;
    } while (u != 0);
    if (scale > 0) {
        if (digits.size() <= scale)
            digits.prepend(QString(scale - digits.size() + 1, '0'));
        digits.insert(digits.size() - scale, '.');
    }
    return units < 0 ? "-" + digits : digits;
}

QString numberText(double v, int significant)
{
    if (const auto d = Decimal::fromDouble(v, significant))
        return d->text();
    return QString::number(v, 'g', significant);
}

bool isStorableWeight(const Decimal& weight)
{
    return weight.digits() <= weightDigits;
}

std::optional<Decimal> weightOf(const QString& text)
{
    const auto weight = Decimal::parse(text);
    if (!weight || !isStorableWeight(*weight))
        return std::nullopt;
    return weight;
}

bool DecimalSum::add(const QVariant& stored)
{
    const auto value = Decimal::fromStored(stored);
    if (!value)
        return false;
    const auto next = sum.plus(*value);
    if (!next)
        return false;
    sum = *next;
    return true;
}

} // namespace korvell
