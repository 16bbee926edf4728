#include "generator/ui/formrules.h"

#include "generator/project/gbk.h"

#include <QStringList>
#include <algorithm>

namespace vosket {

std::optional<unsigned long long> DecimalNumber(const QString& text)
{
    if (text.isEmpty()
        || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    bool ok = false;
    const unsigned long long value = text.toULongLong(&ok);
    return ok ? value : ~0ull;
}

EditOutcome NumberEdit(const QString& text, unsigned long long limit, const QString& fallback)
{
    if (text.isEmpty())
        return { 0, std::nullopt };
    const auto number = DecimalNumber(text);
    if (!number)
        return { static_cast<uint8_t>(fallback.toUInt()), fallback };
    if (*number > limit)
        return {};
    return { static_cast<uint8_t>(*number), std::nullopt };
}

EditOutcome LengthEdit(const QString& text, uint8_t lineType)
{
    EditOutcome outcome = NumberEdit(text, FormRecord::kMaxDataLength, QStringLiteral("0"));
    // A replaced text is stored as the number it becomes, so a boolean line stores 1 for it too.
    if (outcome.store && lineType == kLineBoolean && !text.isEmpty())
        outcome.store = 1;
    return outcome;
}

EditOutcome SingleCharEdit(const QString& text)
{
    if (text.isEmpty())
        return { 0, std::nullopt };
    const QString first = text.left(text.at(0).isHighSurrogate() ? 2 : 1);
    const QByteArray bytes = ToGbk(first);
    if (bytes.size() != 1)
        return { 0, QString() };
    return { static_cast<uint8_t>(bytes[0]), first == text ? std::nullopt : std::optional<QString>(first) };
}

std::optional<QString> CutToBytes(const QString& text, qsizetype maxBytes)
{
    if (ToGbk(text).size() <= maxBytes)
        return std::nullopt;
    return FromGbk(FitGbk(text, maxBytes));
}

LineEnabling LineEnablingFor(uint8_t t)
{
    LineEnabling e;
    e.prompt = t >= kLineText && t <= kLinePass;
    e.more = t >= kLineText && t <= kLineFixedData;
    e.lengths = t >= kLineText && t <= kLineAuto;
    e.inputSource = e.lengths || t == kLineBoolean;
    e.lookup = e.lengths || t == kLineBoolean || t == kLineLookup;
    return e;
}

qsizetype PromptLimit(const FormRecord& form)
{
    return form.largeFont() != 0 ? 12 : 16;
}

namespace {

    // The parts joined by sep (when it is on and set) behind the caption's title.
    QString Caption(const QString& title, const QStringList& parts, bool separatorOn, uint8_t separator)
    {
        const QString sep = separatorOn && separator != 0
            ? FromGbk(QByteArray(1, static_cast<char>(separator)))
            : QString();
        return title + parts.join(sep);
    }

} // namespace

QString DateCaption(const FormRecord& f)
{
    const QString year = f.stampYear() ? QString(f.stampYearDigits() == 1 ? "YY" : "YYYY") : QString();
    const QString month = f.stampMonth() ? QStringLiteral("MM") : QString();
    const QString day = f.stampDay() ? QStringLiteral("DD") : QString();
    QStringList order;
    switch (f.stampDateStyle()) {
    case 1:
        order = { month, day, year };
        break;
    case 2:
        order = { day, month, year };
        break;
    default:
        order = { year, month, day };
        break;
    }
    order.removeAll(QString());
    return Caption(QStringLiteral("日期格式 : "), order, f.stampDateSeparatorOn(), f.stampDateSeparator());
}

QString TimeCaption(const FormRecord& f)
{
    QStringList parts;
    if (f.stampHour())
        parts << QStringLiteral("HH");
    if (f.stampMinute())
        parts << QStringLiteral("MM");
    if (f.stampSecond())
        parts << QStringLiteral("SS");
    return Caption(QStringLiteral("时间格式 : "), parts, f.stampTimeSeparatorOn(), f.stampTimeSeparator());
}

void SetFullSlotText(TextSlot slot, const QString& text)
{
    const QByteArray bytes = FitGbk(text, static_cast<qsizetype>(slot.size()));
    std::copy(bytes.begin(), bytes.end(), slot.begin());
    if (static_cast<std::size_t>(bytes.size()) < slot.size())
        slot[static_cast<std::size_t>(bytes.size())] = 0;
}

void ResetForm(FormRecord& form, int n)
{
    form.applyDefaults(n);
    form.nextTarget() = TargetCode::form(1).value;
}

} // namespace vosket
