#pragma once
// Which controls of the barcode page and of the thirteen symbology parameter dialogs own which
// bits of BarcodeSettings: the page's enable boxes, and each dialog's check boxes (one bit each),
// radio groups (a few bits each) and length pair.
#include "generator/project/barcodesettings.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace vosket {

// An enable box of the barcode page: id, caption, the bit it owns. "Negative Barcode" is the last.
struct SymbologyBox {
    int id;
    const char* caption;
    std::size_t byte;
    unsigned bit;
};
const std::vector<SymbologyBox>& SymbologyBoxes();

struct SymbologyCheck {
    int id;
    const char* text;
    std::size_t byte;
    unsigned bit;
};

struct SymbologyRadio {
    int id;
    const char* text;
};

struct SymbologyRadioGroup {
    const char* title;
    std::vector<SymbologyRadio> radios; // the n-th radio stands for choice n
    std::function<int(const BarcodeSettings&)> read;
    std::function<void(BarcodeSettings&, int)> write;
};

struct SymbologyLengths {
    std::size_t offset; // the length pair's first byte
    int fixedRadio; // its two mode radios: fixed lengths, maximum/minimum
    int maxMinRadio;
};

struct SymbologyKind {
    const char* dialog; // "Code39Dlg"
    const char* caption;
    std::vector<SymbologyCheck> checks;
    std::vector<SymbologyRadioGroup> groups;
    std::optional<SymbologyLengths> lengths;
};

// The dialogs in the order of their "参数..." buttons 201-209, 213, 216, 219, 223.
const std::vector<std::pair<int, SymbologyKind>>& SymbologyKinds();

} // namespace vosket
