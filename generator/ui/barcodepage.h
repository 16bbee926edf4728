#pragma once
// "条码": scan mode, read redundancy, time-out, the 22 symbologies and "Negative Barcode". The page
// keeps no copy: OK writes its own bits; 复位 and the parameter dialogs write the block at once.
#include "generator/ui/editorpage.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vosket {

class BarcodePage : public EditorPage {
    Q_OBJECT
public:
    BarcodePage(EditorWorkCopy& work, Project& project, QWidget* parent = nullptr);

    void apply(Project& project) override;

    void ShowBarcodeSettings();

private:
    BarcodeSettings& settings;
    QComboBox* scanMode;
    QComboBox* redundancy;
    QLineEdit* timeout;
    uint8_t timeoutValue = 0;
    std::vector<QCheckBox*> symbologies;
};

} // namespace vosket
