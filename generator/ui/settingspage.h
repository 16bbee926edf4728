#pragma once
// "设置": the terminal's security password, the functions it protects and the FN key functions;
// "系统初始化设置 ..." opens the dialog for the ports, speed, backlight and prompts.
#include "generator/ui/editorpage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vosket {

class SettingsPage : public EditorPage {
    Q_OBJECT
public:
    SettingsPage(Project& project, QWidget* parent = nullptr);

    void apply(Project& project) override;

    SystemSettings& settingsCopy() { return settings; }

private:
    void showSettings();
    void checkPassword();

    SystemSettings settings;
    bool showing = false;
    QLineEdit* password;
    std::array<QCheckBox*, SystemSettings::kSecurityFlags> flags {};
    QComboBox* fnKey;
    QComboBox* function;
};

} // namespace vosket
