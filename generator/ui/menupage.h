#pragma once
// "菜单": the ten menus with their title, items and targets, and the option that saves the data
// of each form to a file of its own.
#include "generator/ui/editorpage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vosket {

class MenuPage : public EditorPage {
    Q_OBJECT
public:
    explicit MenuPage(EditorWorkCopy& work, QWidget* parent = nullptr);

    void apply(Project& project) override;

    void ShowMenuPage();
    void UpdateTransferCheck();
    void ResetMenus();

private:
    MenuRecord& menu();
    void selectMenu(int index);
    void cutAndStore(QLineEdit* edit, qsizetype limit, TextSlot slot);

    EditorWorkCopy& work;
    bool showing = false;
    QComboBox* name;
    QComboBox* font;
    QComboBox* escape;
    QCheckBox* titleOn;
    QLineEdit* title;
    std::array<QCheckBox*, 5> checks {}; // 101 to 105
    std::array<QLineEdit*, MenuRecord::kItems> items {};
    std::array<QComboBox*, MenuRecord::kItems> targets {};
};

} // namespace vosket
