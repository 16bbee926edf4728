#include "generator/ui/lineattributesdlg.h"

#include "generator/ui/codeedit.h"
#include "generator/ui/editorcontrols.h"
#include "generator/ui/formrules.h"

#include <QGridLayout>
#include <QLabel>

namespace vosket {

LineAttributesDlg::LineAttributesDlg(EditorWorkCopy& work, QWidget* parent)
    : QDialog(parent)
    , work(work)
    , prefix(CodesOf(work.form().prefix(work.lastLine)))
    , suffix(CodesOf(work.form().suffix(work.lastLine)))
    , prefixBox(new CodeEdit(503, prefix, this))
    , suffixBox(new CodeEdit(504, suffix, this))
    , rows(new QGridLayout)
{
    setWindowTitle(QStringLiteral("属性"));
    work.backUpForm();
    auto* formNumber = new QLabel(QStringLiteral("窗体 # %1").arg(work.currentForm + 1), this);
    auto* lineNumber = new QLabel(QStringLiteral("行 # %1").arg(work.lastLine + 1), this);
    formNumber->setObjectName(QStringLiteral("static401"));
    lineNumber->setObjectName(QStringLiteral("static402"));
    rows->addWidget(formNumber, 0, 0);
    rows->addWidget(lineNumber, 0, 1);
}

QCheckBox* LineAttributesDlg::flagCheck(
    int id, const QString& text, uint8_t& (FormRecord::*field)(int), std::initializer_list<QWidget*> controls)
{
    QCheckBox* box = IdCheck(this, id, text);
    const bool on = (form().*field)(line()) != 0;
    box->setChecked(on);
    const std::vector<QWidget*> enabled(controls);
    for (QWidget* control : enabled)
        control->setEnabled(on);
    connect(box, &QCheckBox::toggled, this, [this, field, enabled](bool checked) {
        (form().*field)(line()) = checked ? 1 : 0;
        for (QWidget* control : enabled)
            control->setEnabled(checked);
    });
    return box;
}

QLineEdit* LineAttributesDlg::numberEdit(int id, uint8_t& (FormRecord::*field)(int), const QString& fallback)
{
    QLineEdit* edit = IdEdit(this, id);
    edit->setText(QString::number((form().*field)(line())));
    connect(edit, &QLineEdit::textChanged, this, [this, edit, field, fallback] {
        const EditOutcome outcome = NumberEdit(edit->text(), 255, fallback);
        if (outcome.store)
            (form().*field)(line()) = *outcome.store;
        if (outcome.replaceText)
            edit->setText(*outcome.replaceText);
    });
    return edit;
}

QComboBox* LineAttributesDlg::justifyCombo(int id)
{
    QComboBox* justify = IdCombo(
        this, id, { "左对齐 (填充空格)", "右对齐 (填充空格)", "左对齐 (填充 0)", "右对齐 (填充 0)" });
    SetIndex(justify, form().justify(line()));
    StoreIndex(justify, [this] { return &form().justify(line()); });
    return justify;
}

void LineAttributesDlg::storeCodes()
{
    StoreCodes(prefix, form().prefix(line()));
    StoreCodes(suffix, form().suffix(line()));
}

void LineAttributesDlg::reject()
{
    work.restoreForm();
    QDialog::reject();
}

} // namespace vosket
