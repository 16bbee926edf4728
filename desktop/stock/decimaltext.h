#pragma once
// Number texts as the windows show and store them: plain decimal text, no exponent, no grouping.
// Sums are kept as exact decimals so totals read "50" for 25.5 + 24.5 and "0.3" for 0.1 + 0.2.
#include <QString>
#include <QVariant>
#include <optional>

namespace korvell {

// A window text read as a number: C locale, blanks around it allowed, nothing else.
std::optional<double> numberOf(const QString& text);

// The shortest plain text of v with at most `significant` significant digits:
// 114.99999999999999 gives "115" with 15 digits; the single 70.55f gives "70.55" with 7.
QString numberText(double v, int significant = 15);

// An exact decimal number: units * 10^-scale.
class Decimal {
public:
    Decimal() = default;
    // "[-+]digits[.digits]" with blanks around; nullopt for anything else or too many digits.
    static std::optional<Decimal> parse(const QString& text);
    // v rounded to `significant` significant digits; nullopt for infinities, NaN and huge values.
    static std::optional<Decimal> fromDouble(double v, int significant);
    // A stored number as the database returns it (a double, an integer or a numeric text).
    static std::optional<Decimal> fromStored(const QVariant& value);

    // nullopt on overflow
    std::optional<Decimal> plus(const Decimal& other) const;
    std::optional<Decimal> minus(const Decimal& other) const;
    QString text() const;
    // Significant digits: 1 for 0 and 0.05, 4 for 12.34 and 1200.
    int digits() const;

private:
    Decimal(__int128 u, int s);
    void normalize();
    __int128 units = 0;
    int scale = 0;
};

// Weights are kept only where every backend holds them exactly (a REAL of SQLite keeps 15
// significant digits): a weight is a plain decimal, no exponent, of at most this many digits.
inline constexpr int weightDigits = 15;
// The weight that text is ("12.34", " 9.80", "-2.7"); nullopt for anything else.
std::optional<Decimal> weightOf(const QString& text);
bool isStorableWeight(const Decimal& weight);

// A running total that starts at "0".
class DecimalSum {
public:
    // Adds a stored value; false (total unchanged) when it is no number.
    bool add(const QVariant& stored);
    QString text() const { return sum.text(); }

private:
    Decimal sum;
};

} // namespace korvell
