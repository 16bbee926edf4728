#pragma once
// What the two "属性" dialogs of a form line share: the line they edit, the backup for Cancel,
// check boxes that switch a field and enable its controls, number edits, and the prefix and
// suffix code edits with their buffers.
#include "generator/ui/codepicks.h"
#include "generator/ui/editorworkcopy.h"

#include <QDialog>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;

namespace vosket {

class CodeEdit;

class LineAttributesDlg : public QDialog {
    Q_OBJECT
public:
    void reject() override;

    CodeBuffer& prefixCodes() { return prefix; }

protected:
    LineAttributesDlg(EditorWorkCopy& work, QWidget* parent);

    FormRecord& form() { return work.form(); }
    int line() const { return work.lastLine; }

    // A check box showing flag; toggling it stores the flag and enables controls.
    QCheckBox* flagCheck(int id, const QString& text, uint8_t& (FormRecord::*field)(int),
        std::initializer_list<QWidget*> controls);
    // A number edit of a one-byte field; text that is no number becomes fallback.
    QLineEdit* numberEdit(int id, uint8_t& (FormRecord::*field)(int), const QString& fallback);
    // The justification list of the fixed length.
    QComboBox* justifyCombo(int id);
    // The two code edits, shown by code name; only the code grid changes them.
    CodeEdit* prefixEdit() const { return prefixBox; }
    CodeEdit* suffixEdit() const { return suffixBox; }
    // The statics "窗体 #" and "行 #" and the dialog's grid.
    QGridLayout* grid() const { return rows; }
    // OK: the code buffers into the line.
    void storeCodes();

    EditorWorkCopy& work;

private:
    CodeBuffer prefix;
    CodeBuffer suffix;
    CodeEdit* prefixBox;
    CodeEdit* suffixBox;
    QGridLayout* rows;
};

} // namespace vosket
