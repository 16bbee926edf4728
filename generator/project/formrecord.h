#pragma once
// One of the ten data-collection forms. Per-line fields are parallel arrays of 8 (index 0 for
// line 1): first the 8 lookup bytes, then the 8 type bytes, then the 8 prompts, and so on.
#include "generator/project/byteblock.h"
#include "generator/project/targetcode.h"

namespace vosket {

// Field type codes of a form line (`lineType`).
enum LineType : uint8_t {
    kLineNone = 0, // "空": the line is not used
    kLineText = 1,
    kLineInteger = 2,
    kLineReal = 3,
    kLineLetters = 4,
    kLineAuto = 5,
    kLineBoolean = 6,
    kLineLookup = 7,
    kLineFixedData = 8,
    kLinePrompt = 9,
    kLineCounter = 10,
    kLinePass = 11,
    kLineContinued = 12, // "延续上一行"
};

struct FormRecord : ByteBlock<1215> {
    static constexpr int kLines = 8;
    static constexpr std::size_t kPromptWidth = 21;
    static constexpr std::size_t kInitialTextWidth = 10;
    static constexpr std::size_t kPrefixWidth = 10;
    static constexpr std::size_t kSuffixWidth = 10;
    static constexpr std::size_t kLeadCodeWidth = 6;
    static constexpr std::size_t kLineDataWidth = 50;
    static constexpr uint8_t kMaxDataLength = 50;

    // Offsets of the per-line arrays, each following the previous one.
    static constexpr std::size_t kLineLookup = 21;
    static constexpr std::size_t kLineType = kLineLookup + kLines;
    static constexpr std::size_t kPrompt = kLineType + kLines;
    static constexpr std::size_t kInputSource = kPrompt + kLines * kPromptWidth;
    static constexpr std::size_t kMinLength = kInputSource + kLines;
    static constexpr std::size_t kMaxLength = kMinLength + kLines;
    static constexpr std::size_t kFixedLengthOn = kMaxLength + kLines;
    static constexpr std::size_t kJustify = kFixedLengthOn + kLines;
    static constexpr std::size_t kFixedLength = kJustify + kLines;
    static constexpr std::size_t kInitialOn = kFixedLength + kLines;
    static constexpr std::size_t kInitialText = kInitialOn + kLines;
    static constexpr std::size_t kPrefixOn = kInitialText + kLines * kInitialTextWidth;
    static constexpr std::size_t kPrefix = kPrefixOn + kLines;
    static constexpr std::size_t kSuffixOn = kPrefix + kLines * kPrefixWidth;
    static constexpr std::size_t kSuffix = kSuffixOn + kLines;
    static constexpr std::size_t kPartialOn = kSuffix + kLines * kSuffixWidth;
    static constexpr std::size_t kPartialStart = kPartialOn + kLines;
    static constexpr std::size_t kPartialMaxLength = kPartialStart + kLines;
    static constexpr std::size_t kLeadCodeOn = kPartialMaxLength + kLines;
    static constexpr std::size_t kLeadCode = kLeadCodeOn + kLines;
    static constexpr std::size_t kAutoLineFeed = kLeadCode + kLines * kLeadCodeWidth;
    static constexpr std::size_t kInputMark = kAutoLineFeed + kLines;
    static constexpr std::size_t kLineData = kInputMark + kLines;
    static constexpr std::size_t kLastDataLine = kLineData + kLines * kLineDataWidth;
    static constexpr std::size_t kCurrentLine = kLastDataLine + 1;
    static constexpr std::size_t kReserved = kCurrentLine + 1;
    static constexpr std::size_t kReservedSize = 200;

    // Header, offsets 0 to 20 (11 and 18 reserved).
    uint8_t& largeFont() { return at(0); }
    uint8_t largeFont() const { return at(0); }
    uint8_t& escapeTarget() { return at(1); }
    uint8_t escapeTarget() const { return at(1); }
    uint8_t& nextTarget() { return at(2); }
    uint8_t nextTarget() const { return at(2); }
    uint8_t& stampPosition() { return at(3); }
    uint8_t stampPosition() const { return at(3); }
    uint8_t& stampSplit() { return at(4); }
    uint8_t stampSplit() const { return at(4); }
    uint8_t& stampYear() { return at(5); }
    uint8_t stampYear() const { return at(5); }
    uint8_t& stampYearDigits() { return at(6); }
    uint8_t stampYearDigits() const { return at(6); }
    uint8_t& stampMonth() { return at(7); }
    uint8_t stampMonth() const { return at(7); }
    uint8_t& stampDay() { return at(8); }
    uint8_t stampDay() const { return at(8); }
    uint8_t& stampDateSeparatorOn() { return at(9); }
    uint8_t stampDateSeparatorOn() const { return at(9); }
    uint8_t& stampDateSeparator() { return at(10); }
    uint8_t stampDateSeparator() const { return at(10); }
    uint8_t& stampDateStyle() { return at(12); }
    uint8_t stampDateStyle() const { return at(12); }
    uint8_t& stampHour() { return at(13); }
    uint8_t stampHour() const { return at(13); }
    uint8_t& stampMinute() { return at(14); }
    uint8_t stampMinute() const { return at(14); }
    uint8_t& stampSecond() { return at(15); }
    uint8_t stampSecond() const { return at(15); }
    uint8_t& stampTimeSeparatorOn() { return at(16); }
    uint8_t stampTimeSeparatorOn() const { return at(16); }
    uint8_t& stampTimeSeparator() { return at(17); }
    uint8_t stampTimeSeparator() const { return at(17); }
    uint8_t& recordAction() { return at(19); }
    uint8_t recordAction() const { return at(19); }
    uint8_t& recordLookup() { return at(20); }
    uint8_t recordLookup() const { return at(20); }

    // Per-line bytes, line 0 to 7.
    uint8_t& lineLookup(int line) { return at(kLineLookup + Entry(line, kLines)); }
    uint8_t lineLookup(int line) const { return at(kLineLookup + Entry(line, kLines)); }
    uint8_t& lineType(int line) { return at(kLineType + Entry(line, kLines)); }
    uint8_t lineType(int line) const { return at(kLineType + Entry(line, kLines)); }
    uint8_t& inputSource(int line) { return at(kInputSource + Entry(line, kLines)); }
    uint8_t inputSource(int line) const { return at(kInputSource + Entry(line, kLines)); }
    uint8_t& minLength(int line) { return at(kMinLength + Entry(line, kLines)); }
    uint8_t minLength(int line) const { return at(kMinLength + Entry(line, kLines)); }
    uint8_t& maxLength(int line) { return at(kMaxLength + Entry(line, kLines)); }
    uint8_t maxLength(int line) const { return at(kMaxLength + Entry(line, kLines)); }
    uint8_t& fixedLengthOn(int line) { return at(kFixedLengthOn + Entry(line, kLines)); }
    uint8_t fixedLengthOn(int line) const { return at(kFixedLengthOn + Entry(line, kLines)); }
    uint8_t& justify(int line) { return at(kJustify + Entry(line, kLines)); }
    uint8_t justify(int line) const { return at(kJustify + Entry(line, kLines)); }
    uint8_t& fixedLength(int line) { return at(kFixedLength + Entry(line, kLines)); }
    uint8_t fixedLength(int line) const { return at(kFixedLength + Entry(line, kLines)); }
    uint8_t& initialOn(int line) { return at(kInitialOn + Entry(line, kLines)); }
    uint8_t initialOn(int line) const { return at(kInitialOn + Entry(line, kLines)); }
    uint8_t& prefixOn(int line) { return at(kPrefixOn + Entry(line, kLines)); }
    uint8_t prefixOn(int line) const { return at(kPrefixOn + Entry(line, kLines)); }
    uint8_t& suffixOn(int line) { return at(kSuffixOn + Entry(line, kLines)); }
    uint8_t suffixOn(int line) const { return at(kSuffixOn + Entry(line, kLines)); }
    uint8_t& partialOn(int line) { return at(kPartialOn + Entry(line, kLines)); }
    uint8_t partialOn(int line) const { return at(kPartialOn + Entry(line, kLines)); }
    uint8_t& partialStart(int line) { return at(kPartialStart + Entry(line, kLines)); }
    uint8_t partialStart(int line) const { return at(kPartialStart + Entry(line, kLines)); }
    uint8_t& partialMaxLength(int line) { return at(kPartialMaxLength + Entry(line, kLines)); }
    uint8_t partialMaxLength(int line) const { return at(kPartialMaxLength + Entry(line, kLines)); }
    uint8_t& leadCodeOn(int line) { return at(kLeadCodeOn + Entry(line, kLines)); }
    uint8_t leadCodeOn(int line) const { return at(kLeadCodeOn + Entry(line, kLines)); }
    uint8_t& autoLineFeed(int line) { return at(kAutoLineFeed + Entry(line, kLines)); }
    uint8_t autoLineFeed(int line) const { return at(kAutoLineFeed + Entry(line, kLines)); }
    uint8_t& inputMark(int line) { return at(kInputMark + Entry(line, kLines)); }
    uint8_t inputMark(int line) const { return at(kInputMark + Entry(line, kLines)); }

    // Per-line text slots, line 0 to 7. prefix and suffix hold character codes picked one by one.
    TextSlot prompt(int line) { return lineSlot(kPrompt, kPromptWidth, line); }
    ConstTextSlot prompt(int line) const { return lineSlot(kPrompt, kPromptWidth, line); }
    TextSlot initialText(int line) { return lineSlot(kInitialText, kInitialTextWidth, line); }
    ConstTextSlot initialText(int line) const { return lineSlot(kInitialText, kInitialTextWidth, line); }
    TextSlot prefix(int line) { return lineSlot(kPrefix, kPrefixWidth, line); }
    ConstTextSlot prefix(int line) const { return lineSlot(kPrefix, kPrefixWidth, line); }
    TextSlot suffix(int line) { return lineSlot(kSuffix, kSuffixWidth, line); }
    ConstTextSlot suffix(int line) const { return lineSlot(kSuffix, kSuffixWidth, line); }
    TextSlot leadCode(int line) { return lineSlot(kLeadCode, kLeadCodeWidth, line); }
    ConstTextSlot leadCode(int line) const { return lineSlot(kLeadCode, kLeadCodeWidth, line); }
    TextSlot lineData(int line) { return lineSlot(kLineData, kLineDataWidth, line); }
    ConstTextSlot lineData(int line) const { return lineSlot(kLineData, kLineDataWidth, line); }

    uint8_t& lastDataLine() { return at(kLastDataLine); }
    uint8_t lastDataLine() const { return at(kLastDataLine); }
    uint8_t& currentLine() { return at(kCurrentLine); }
    uint8_t currentLine() const { return at(kCurrentLine); }

    // Writes the new-project defaults of form n (1 to 10); reserved bytes and the rest of
    // each text slot keep their values.
    void applyDefaults(int n);
    // Large font keeps lines 1 to 4; lengths within 50 and minimum within maximum; unused fields
    // cleared by line type.
    void normalize();
    // Types 0 and 12 lose prompt and lookup, types 8 and above lose the lookup.
    void clearUnusedLineFields();
    // 1-based number of the last line whose type is 1 to 6, or 0.
    uint8_t computeLastDataLine() const;

private:
    TextSlot lineSlot(std::size_t offset, std::size_t width, int line)
    {
        return slot(offset + Entry(line, kLines) * width, width);
    }
    ConstTextSlot lineSlot(std::size_t offset, std::size_t width, int line) const
    {
        return slot(offset + Entry(line, kLines) * width, width);
    }
};
static_assert(sizeof(FormRecord) == 1215);
static_assert(FormRecord::kPrompt == 37 && FormRecord::kInputSource == 205 && FormRecord::kMinLength == 213);
static_assert(
    FormRecord::kMaxLength == 221 && FormRecord::kFixedLengthOn == 229 && FormRecord::kJustify == 237);
static_assert(
    FormRecord::kFixedLength == 245 && FormRecord::kInitialOn == 253 && FormRecord::kInitialText == 261);
static_assert(FormRecord::kPrefixOn == 341 && FormRecord::kPrefix == 349 && FormRecord::kSuffixOn == 429);
static_assert(
    FormRecord::kSuffix == 437 && FormRecord::kPartialOn == 517 && FormRecord::kPartialStart == 525);
static_assert(
    FormRecord::kPartialMaxLength == 533 && FormRecord::kLeadCodeOn == 541 && FormRecord::kLeadCode == 549);
static_assert(
    FormRecord::kAutoLineFeed == 597 && FormRecord::kInputMark == 605 && FormRecord::kLineData == 613);
static_assert(
    FormRecord::kLastDataLine == 1013 && FormRecord::kCurrentLine == 1014 && FormRecord::kReserved == 1015);
static_assert(FormRecord::kReserved + FormRecord::kReservedSize == FormRecord::kSize);

} // namespace vosket
