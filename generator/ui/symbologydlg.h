#pragma once
// The thirteen symbology parameter dialogs, one engine over the table of their controls. Each
// shows its bits when it opens and writes only them, on its own OK.
#include "generator/ui/barcodecontrols.h"

#include <QDialog>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace vosket {

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
