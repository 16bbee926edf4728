#pragma once
// "条码": scan mode, read redundancy, time-out, the 22 symbologies and "Negative Barcode", and the
// parameter dialogs of 13 symbologies. Controls, dialogs and 复位 all edit the sheet's work copy.
#include "generator/ui/editorpage.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vosket {

class BarcodePage : public EditorPage {
    Q_OBJECT
public:
    explicit BarcodePage(EditorWorkCopy& work, QWidget* parent = nullptr);

    void apply(Project& project) override;

    void ShowBarcodeSettings();

private:
    EditorWorkCopy& work;
    bool showing = false;
    QComboBox* scanMode;
    QComboBox* redundancy;
    QLineEdit* timeout;
    std::vector<QCheckBox*> symbologies;
};

} // namespace vosket
