#pragma once
// "窗体": the ten data-collection forms. The form chosen in 名称 shows its header and its eight
// input lines; the stamp and each line's further attributes open dialogs of their own. Every
// control is found by its id as object name ("combo690", "edit501", "button201", ...).
#include "generator/ui/editorpage.h"

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vosket {

class FormPage : public EditorPage {
    Q_OBJECT
public:
    explicit FormPage(EditorWorkCopy& work, QWidget* parent = nullptr);

    void apply(Project& project) override;

    void ShowFormPage();
    void ApplyFormFontLayout();
    void ResetForms();

private:
    struct LineControls {
        QComboBox* type = nullptr;
        QLineEdit* prompt = nullptr;
        QComboBox* inputSource = nullptr;
        QLineEdit* minLength = nullptr;
        QLineEdit* maxLength = nullptr;
        QComboBox* lookup = nullptr;
        QPushButton* more = nullptr;
    };

    void buildLine(int line);
    void enableLineByType(int line);
    void selectForm(int index);
    void typeChanged(int line, int type);
    void promptEdited(int line);
    void lengthEdited(int line, QLineEdit* edit, bool maximum);
    void openAttributes(int line);
    void openStamp();
    // Runs change while the page shows a form, so the edits' change handlers store nothing.
    template <typename F> void showing(F change);

    EditorWorkCopy& work;
    bool loading = false;
    QComboBox* name;
    QComboBox* font;
    QComboBox* escape;
    QComboBox* next;
    QComboBox* recordLookup;
    QComboBox* recordAction;
    std::array<LineControls, FormRecord::kLines> lines;
};

} // namespace vosket
