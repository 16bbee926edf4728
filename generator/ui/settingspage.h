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
    explicit SettingsPage(EditorWorkCopy& work, QWidget* parent = nullptr);

    void apply(Project& project) override;

private:
    void showSettings();
    void checkPassword();

    EditorWorkCopy& work;
    SystemSettings& settings; // the work copy's
    bool showing = false;
    QLineEdit* password;
    std::array<QCheckBox*, SystemSettings::kSecurityFlags> flags {};
    QComboBox* fnKey;
    QComboBox* function;
};

} // namespace vosket
