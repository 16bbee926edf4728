#pragma once
// Controls of the editor's pages and dialogs, named by their template ids so that tests (and
// anyone reading the window) find them: "combo690", "edit501", "button201", "check101".
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace vosket {

QComboBox* IdCombo(QWidget* parent, int id, const QStringList& items);
QLineEdit* IdEdit(QWidget* parent, int id);
QPushButton* IdButton(QWidget* parent, int id, const QString& text);
QCheckBox* IdCheck(QWidget* parent, int id, const QString& text);
QRadioButton* IdRadio(QWidget* parent, int id, const QString& text);
QLabel* IdLabel(QWidget* parent, int id); // "static411"

// The targets a form or menu leads to, by target code: "主菜单", "窗体  1" ..., "菜单  1" ...
QStringList TargetNames();

// Shows a stored byte as the list's entry; a value past the list (a damaged file) selects none.
void SetIndex(QComboBox* combo, uint8_t value);
// Stores the entry the user picks into the field field() names at that moment, unless *showing
// says the page is only showing stored values.
void StoreIndex(QComboBox* combo, std::function<uint8_t*()> field, const bool* showing = nullptr);

} // namespace vosket
