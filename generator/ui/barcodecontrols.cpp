#include "generator/ui/barcodecontrols.h"

namespace vosket {

const std::vector<SymbologyBox>& SymbologyBoxes()
{
    static const std::vector<SymbologyBox> boxes = { { 101, "Code 39", 0, 7 },
        { 102, "Italian  Pharmacode", 0, 6 }, { 103, "French  Pharmacode", 0, 5 },
        { 104, "Industrial 25", 0, 4 }, { 105, "Interleave 25", 0, 3 }, { 106, "Matrix 25", 0, 2 },
        { 107, "Codabar", 0, 1 }, { 108, "MSI", 2, 5 }, { 109, "Plessey", 2, 4 }, { 110, "Code 93", 0, 0 },
        { 111, "Code 128", 1, 7 }, { 113, "UPCE", 1, 6 }, { 114, "UPCE  Addon 2", 1, 5 },
        { 115, "UPCE  Addon 5", 1, 4 }, { 116, "EAN8", 1, 3 }, { 117, "EAN8  Addon 2", 1, 2 },
        { 118, "EAN8  Addon 5", 1, 1 }, { 119, "EAN13  &&  UPCA", 1, 0 }, { 120, "EAN13  Addon 2", 2, 7 },
        { 121, "EAN13  Addon 5", 2, 6 }, { 123, "Telepen", 2, 2 }, { 122, "Negative Barcode", 11, 4 } };
    return boxes;
}

namespace {

    // A group stored as a plain number in bits low .. low + count - 1 of one byte.
    SymbologyRadioGroup Bits(const char* title, std::vector<SymbologyRadio> radios, std::size_t byte,
        unsigned low, unsigned count = 2)
    {
        return { title, std::move(radios),
            [=](const BarcodeSettings& s) { return static_cast<int>(s.bits(byte, low, count)); },
            [=](BarcodeSettings& s, int v) { s.setBits(byte, low, count, static_cast<unsigned>(v)); } };
    }

    const std::vector<SymbologyRadio> kStartStop { { 301, "Industrial 25" }, { 302, "Interleave 25" },
        { 303, "Matrix 25" } };

    SymbologyKind TwoOfFive(const char* dialog, const char* caption, std::size_t startByte, unsigned startLow,
        std::vector<SymbologyCheck> checks, std::size_t lengthOffset)
    {
        return { dialog, caption, std::move(checks),
            { Bits("起始/停止选择", kStartStop, startByte, startLow) },
            SymbologyLengths { lengthOffset, 304, 305 } };
    }

} // namespace

const std::vector<std::pair<int, SymbologyKind>>& SymbologyKinds()
{
    using S = BarcodeSettings;
    static const std::vector<std::pair<int, SymbologyKind>> kinds = {
        { 201,
            { "Code39Dlg", "Code 39 参数",
                { { 101, "传输起始/停止", S::kOptions39, 7 }, { 102, "检验校验和", S::kOptions39, 6 },
                    { 103, "传输校验和", S::kOptions39, 5 }, { 104, "Code 39 全字符", S::kOptions39, 4 } },
                {}, std::nullopt } },
        { 202,
            { "ItalyPharmaDlg", "Italian Pharmacode 参数", { { 101, "传输校验和", S::kOptions39, 3 } }, {},
                std::nullopt } },
        { 203,
            { "FrenchPharmaDlg", "French Pharmacode 参数", { { 101, "传输校验和", S::kOptions39, 2 } }, {},
                std::nullopt } },
        { 204,
            TwoOfFive("Industrial25Dlg", "Industrial 25 参数", S::kOptions25, 0,
                { { 101, "检验校验和", S::kOptions25, 7 }, { 102, "传输校验和", S::kOptions25, 6 } },
                S::kIndustrial25Length) },
        { 205,
            TwoOfFive("Interleave25Dlg", "Interleave 25 参数", S::kOptions25, 2,
                { { 101, "检验校验和", S::kOptions39, 1 }, { 102, "传输校验和", S::kOptions39, 0 } },
                S::kInterleave25Length) },
        { 206,
            TwoOfFive("Matrix25Dlg", "Matrix 25 参数", S::kOptionsMatrixCodabar, 6,
                { { 101, "检验校验和", S::kOptions25, 5 }, { 102, "传输校验和", S::kOptions25, 4 } },
                S::kMatrix25Length) },
        { 207,
            { "CodabarDlg", "Codabar 参数", {},
                { { "起始/停止字符",
                    { { 301, "无" }, { 302, "abcd / abcd" }, { 303, "abcd / tn*e" }, { 304, "ABCD / ABCD" },
                        { 305, "ABCD / TN*E" } },
                    // Bit 3 says whether start and stop characters are sent, bits 4-5 their form.
                    [](const S& s) {
                        return s.bits(S::kOptionsMatrixCodabar, 3) == 0
                            ? 0
                            : 1 + static_cast<int>(s.bits(S::kOptionsMatrixCodabar, 4, 2));
                    },
                    [](S& s, int v) {
                        s.setBits(S::kOptionsMatrixCodabar, 3, 1, v == 0 ? 0 : 1);
                        s.setBits(S::kOptionsMatrixCodabar, 4, 2, v == 0 ? 0 : static_cast<unsigned>(v - 1));
                    } } },
                std::nullopt } },
        { 208,
            { "MSIDlg", "MSI 参数", {},
                { Bits("检验校验和", { { 301, "单模 10" }, { 302, "双模 10" }, { 303, "模 11 && 10" } },
                      S::kOptionsUpcMsiPlessey, 6),
                    Bits("传输校验和", { { 304, "最后1位不传" }, { 305, "传输" }, { 306, "最后2位不传" } },
                        S::kOptionsUpcMsiPlessey, 4) },
                SymbologyLengths { S::kMsiLength, 307, 308 } } },
        { 209,
            { "PlesseyDlg", "Plessey 参数",
                { { 101, "转换为 UK Plessey", S::kOptionsUpcMsiPlessey, 2 },
                    { 102, "传输校验和", S::kOptionsUpcMsiPlessey, 3 } },
                {}, std::nullopt } },
        { 213,
            { "UPCEDlg", "UPCE 参数",
                { { 101, "转换为 UPCA", S::kOptionsUpcMsiPlessey, 1 },
                    { 102, "传输系统号", S::kOptionsEan, 1 }, { 103, "传输校验和", S::kOptionsEan, 5 } },
                {}, std::nullopt } },
        { 216,
            { "EAN8Dlg", "EAN 8 参数",
                { { 101, "转换为 EAN13", S::kOptionsMisc, 7 }, { 102, "传输校验和", S::kOptionsEan, 3 } }, {},
                std::nullopt } },
        { 219,
            { "EAN13Dlg", "EAN 13 and UPCA 参数",
                { { 101, "ISBN 转换", S::kOptionsEan, 7 }, { 102, "ISSN 转换", S::kOptionsEan, 6 },
                    { 103, "传输校验和", S::kOptionsEan, 2 }, { 104, "传输UPCA系统号", S::kOptionsEan, 0 },
                    { 105, "传输UPCA校验和", S::kOptionsEan, 4 },
                    { 106, "将UPCA转换为EAN 13", S::kOptionsUpcMsiPlessey, 0 } },
                {}, std::nullopt } },
        { 223,
            { "TelepenDlg", "Telepen 参数", {},
                { { "Telepen", { { 301, "Original Telepen(数字)" }, { 302, "AIM Telepen  (全字符)" } },
                    [](const S& s) { return s.telepenOriginal() != 0 ? 0 : 1; },
                    [](S& s, int v) { s.setTelepenOriginal(v == 0 ? 1 : 0); } } },
                std::nullopt } },
    };
    return kinds;
}

} // namespace vosket
