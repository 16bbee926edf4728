#include "generator/sim/record.h"

#include "generator/project/textslot.h"
#include "generator/sim/formlayout.h"

#include <algorithm>
#include <optional>
#include <span>

namespace vosket {
namespace {

    // Appends what fits in the record buffer.
    class RecordBuffer {
    public:
        void append(QByteArrayView bytes)
        {
            text.append(bytes.first(std::min(bytes.size(), kRecordCapacity - text.size())));
        }
        void append(char c) { append(QByteArrayView(&c, 1)); }
        bool isEmpty() const { return text.isEmpty(); }

        // The field separators go between fields only.
        void separate(const SystemSettings& system)
        {
            if (isEmpty())
                return;
            for (int i = 0; i < SystemSettings::kFieldSeparators; ++i) {
                if (system.fieldSeparator(i) != 0)
                    append(static_cast<char>(system.fieldSeparator(i)));
            }
        }

        QByteArray text;
    };

    QByteArray TwoDigits(int n)
    {
        return QByteArray::number(n % 100).rightJustified(2, '0');
    }

    // A part of the date or time stamp, written only when its flag is on.
    using StampPart = std::pair<bool, QByteArray>;

    // The parts that are on, with the separator between two written parts when it is on.
    void WriteParts(RecordBuffer& record, std::span<const StampPart> parts, bool separated, uint8_t separator)
    {
        bool written = false;
        for (const auto& [on, text] : parts) {
            if (!on)
                continue;
            if (written && separated)
                record.append(static_cast<char>(separator));
            record.append(text);
            written = true;
        }
    }

    // The date parts in the order of the form's date style.
    void WriteDate(RecordBuffer& record, const FormRecord& form, QDate date)
    {
        const QByteArray year = form.stampYearDigits() == 1
            ? TwoDigits(date.year())
            : QByteArray::number(date.year() % 10000).rightJustified(4, '0');
        const StampPart y { form.stampYear() != 0, year };
        const StampPart m { form.stampMonth() != 0, TwoDigits(date.month()) };
        const StampPart d { form.stampDay() != 0, TwoDigits(date.day()) };
        const std::array<StampPart, 3> parts = form.stampDateStyle() == 1 ? std::array { m, d, y }
            : form.stampDateStyle() == 2                                  ? std::array { d, m, y }
                                                                          : std::array { y, m, d };
        WriteParts(record, parts, form.stampDateSeparatorOn() != 0, form.stampDateSeparator());
    }

    void WriteTime(RecordBuffer& record, const FormRecord& form, QTime time)
    {
        const std::array<StampPart, 3> parts { { { form.stampHour() != 0, TwoDigits(time.hour()) },
            { form.stampMinute() != 0, TwoDigits(time.minute()) },
            { form.stampSecond() != 0, TwoDigits(time.second()) } } };
        WriteParts(record, parts, form.stampTimeSeparatorOn() != 0, form.stampTimeSeparator());
    }

    void WriteStamp(
        RecordBuffer& record, const FormRecord& form, const SystemSettings& system, const QDateTime& now)
    {
        record.separate(system);
        WriteDate(record, form, now.date());
        if (form.stampSplit() != 0)
            record.separate(system);
        WriteTime(record, form, now.time());
    }

    // The data a line gives the record, or nothing when the line takes no part.
    std::optional<QByteArray> LineData(
        const FormRecord& form, const LineInputs& inputs, int line, int lineCount)
    {
        const uint8_t type = form.lineType(line);
        QByteArray data;
        if (type >= kLineText && type <= kLineBoolean)
            data = inputs[static_cast<size_t>(line)];
        else if (type == kLineLookup && form.initialOn(line) != 0)
            data = inputs[static_cast<size_t>(line)];
        else if (type == kLineFixedData)
            data = SlotBytes(form.prompt(line));
        else
            return std::nullopt;
        for (int next = line + 1;
             next < lineCount && next <= line + kMaxContinuations && form.lineType(next) == kLineContinued;
             ++next)
            data += inputs[static_cast<size_t>(next)];
        return data;
    }

    QByteArray FixedLength(const QByteArray& data, int length, uint8_t justify)
    {
        if (data.size() >= length)
            return data.first(length);
        const char fill = justify >= 2 ? '0' : ' ';
        const QByteArray padding(length - data.size(), fill);
        return justify == 1 || justify == 3 ? padding + data : data + padding;
    }

} // namespace

QByteArray ComposeRecord(
    const FormRecord& form, const SystemSettings& system, const LineInputs& inputs, const QDateTime& now)
{
    RecordBuffer record;
    if (form.stampPosition() == 1)
        WriteStamp(record, form, system, now);
    const int lineCount = form.largeFont() != 0 ? FormRecord::kLines / 2 : FormRecord::kLines;
    for (int line = 0; line < lineCount; ++line) {
        const std::optional<QByteArray> data = LineData(form, inputs, line, lineCount);
        if (!data)
            continue;
        record.separate(system);
        if (form.prefixOn(line) != 0)
            record.append(SlotBytes(form.prefix(line)));
        record.append(form.fixedLengthOn(line) != 0
                ? FixedLength(*data, form.fixedLength(line), form.justify(line))
                : *data);
        if (form.suffixOn(line) != 0)
            record.append(SlotBytes(form.suffix(line)));
    }
    if (form.stampPosition() == 2)
        WriteStamp(record, form, system, now);
    return record.text;
}

} // namespace vosket
