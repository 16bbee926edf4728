#pragma once
// "系统初始化设置": the terminal's ports, link speed, backlight, data erasing and record prompt.
// It edits the settings page's copy at once and puts back what it found on Cancel.
#include "generator/project/systemsettings.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace vosket {

class SystemSettingsDlg : public QDialog {
    Q_OBJECT
public:
    SystemSettingsDlg(SystemSettings& settings, QWidget* parent = nullptr);

    void reject() override;

private:
    void enablePrompt();
    QLineEdit* timeEdit(int id, unsigned limit, uint8_t& field);

    SystemSettings& settings;
    const SystemSettings backup;
    bool showing = false;
    QComboBox* uploadPort;
    QComboBox* backlight;
    QComboBox* recordPrompt;
    QLineEdit* phone;
    QLineEdit* backlightTime;
    QLineEdit* promptTime;
    QRadioButton* onScreen;
    QRadioButton* untilKey;
};

} // namespace vosket
