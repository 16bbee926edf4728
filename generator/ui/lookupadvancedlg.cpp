#include "generator/ui/lookupadvancedlg.h"

#include "generator/ui/codeedit.h"
#include "generator/ui/editorcontrols.h"
#include "generator/ui/okcancel.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace vosket {

LookupAdvanceDlg::LookupAdvanceDlg(EditorWorkCopy& work, QWidget* parent)
    : LineAttributesDlg(work, parent)
{
    FillLookupAdvanceDlg();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid());
    layout->addWidget(OkCancelButtons(this));
}

void LookupAdvanceDlg::FillLookupAdvanceDlg()
{
    QLineEdit* fixedLength = numberEdit(502, &FormRecord::fixedLength, QStringLiteral("1"));
    QComboBox* justify = justifyCombo(602);

    QCheckBox* fixed = flagCheck(
        102, QStringLiteral("固定数据长度"), &FormRecord::fixedLengthOn, { fixedLength, justify });
    QCheckBox* prefixOn
        = flagCheck(103, QStringLiteral("添加前缀码"), &FormRecord::prefixOn, { prefixEdit() });
    QCheckBox* suffixOn
        = flagCheck(104, QStringLiteral("添加后缀码"), &FormRecord::suffixOn, { suffixEdit() });
    // "保存字段数据" is stored in the initial-value flag of the line.
    QCheckBox* save = flagCheck(
        101, QStringLiteral("保存字段数据"), &FormRecord::initialOn, { fixed, prefixOn, suffixOn });

    const std::pair<QWidget*, QWidget*> rows[] = { { save, nullptr }, { fixed, fixedLength },
        { nullptr, justify }, { prefixOn, prefixEdit() }, { suffixOn, suffixEdit() } };
    int row = 1;
    for (const auto& [check, control] : rows) {
        if (check)
            grid()->addWidget(check, row, 0);
        if (control)
            grid()->addWidget(control, row, 1);
        ++row;
    }
    prefixEdit()->setEnabled(true);
    suffixEdit()->setEnabled(true);
}

void LookupAdvanceDlg::accept()
{
    form().inputMark(line()) = 0;
    storeCodes();
    QDialog::accept();
}

} // namespace vosket
