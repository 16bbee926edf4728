#pragma once
// "索引": the three lookup file definitions: record length, fields with their offsets and
// lengths, fixed-length or separated fields, upload and the action when nothing matches.
#include "generator/ui/editorpage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vosket {

class LookupPage : public EditorPage {
    Q_OBJECT
public:
    explicit LookupPage(EditorWorkCopy& work, QWidget* parent = nullptr);

    void apply(Project& project) override;

    void ShowLookupPage();
    void ResetLookups();

private:
    LookupRecord& lookup();
    void enableRows();
    void chooseFixed();
    void chooseSeparated();
    QLineEdit* numberEdit(int id, std::function<uint8_t*()> field);

    EditorWorkCopy& work;
    bool showing = false;
    bool separated = false; // the mode last chosen or shown
    QComboBox* name;
    QLineEdit* recordLength;
    QComboBox* fieldCount;
    QRadioButton* fixed;
    QRadioButton* separatedRadio;
    QLineEdit* separator;
    QCheckBox* uploadable;
    QComboBox* noMatch;
    QLabel* lengthHeading;
    std::array<QLineEdit*, LookupRecord::kFields> offsets {};
    std::array<QLineEdit*, LookupRecord::kFields> lengths {};
    std::array<QRadioButton*, LookupRecord::kFields> keys {};
};

} // namespace vosket
