#pragma once
// The thirteen symbology parameter dialogs, one engine over a table: check boxes that own one
// bit, radio groups that own a few bits, and the length pair of the 2-of-5 family and MSI. Each
// shows its bits when it opens and writes only them, on its own OK.
#include "generator/project/barcodesettings.h"

#include <QDialog>
#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace vosket {

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
    int fixedRadio;     // its two mode radios: fixed lengths, maximum/minimum
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

class SymbologyDlg : public QDialog {
    Q_OBJECT
public:
    SymbologyDlg(const SymbologyKind& kind, BarcodeSettings& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    void showLengthLabels(bool maxMin);

    const SymbologyKind& kind;
    BarcodeSettings& settings;
    std::vector<QCheckBox*> checks;
    std::vector<QButtonGroup*> groups;
    QButtonGroup* lengthMode = nullptr;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    QLabel* firstLabel = nullptr;
    QLabel* secondLabel = nullptr;
    int firstValue = 0;
    int secondValue = 0;
};

} // namespace vosket
