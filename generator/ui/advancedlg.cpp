#include "generator/ui/advancedlg.h"

#include "generator/project/gbk.h"
#include "generator/ui/codeedit.h"
#include "generator/ui/editorcontrols.h"
#include "generator/ui/formrules.h"
#include "generator/ui/okcancel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vosket {

AdvanceDlg::AdvanceDlg(EditorWorkCopy& work, QWidget* parent)
    : LineAttributesDlg(work, parent)
{
    inputMarkShown() = form().inputMark(line()) != 0;
    fixPartialRange();
    FillAdvanceDlg();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid());
    layout->addWidget(OkCancelButtons(this));
}

bool& AdvanceDlg::inputMarkShown()
{
    return work.inputMarkShown[static_cast<std::size_t>(work.currentForm)][static_cast<std::size_t>(line())];
}

void AdvanceDlg::fixPartialRange()
{
    if (form().partialStart(line()) == 0)
        form().partialStart(line()) = 1;
    const uint8_t maximum = form().partialMaxLength(line());
    if (maximum == 0 || maximum > FormRecord::kMaxDataLength)
        form().partialMaxLength(line()) = FormRecord::kMaxDataLength;
}

void AdvanceDlg::FillAdvanceDlg()
{
    const int n = line();
    QLineEdit* fixedLength = numberEdit(501, &FormRecord::fixedLength, QStringLiteral("1"));
    QComboBox* justify = justifyCombo(601);

    QLineEdit* initial = IdEdit(this, 502);
    initial->setText(FromGbk(SlotBytes(form().initialText(n))));
    connect(initial, &QLineEdit::textChanged, this, [this, initial] {
        if (const auto cut = CutToBytes(initial->text(), FormRecord::kInitialTextWidth - 1)) {
            initial->setText(*cut);
            return;
        }
        SetSlotText(form().initialText(line()), initial->text());
    });

    QLineEdit* mark = IdEdit(this, 505);
    const uint8_t storedMark = form().inputMark(n);
    mark->setText(storedMark != 0 ? QString(QChar(storedMark)) : QString());
    connect(mark, &QLineEdit::textChanged, this, [this, mark] {
        const EditOutcome outcome = SingleCharEdit(mark->text());
        if (outcome.replaceText) {
            mark->setText(*outcome.replaceText);
            return;
        }
        form().inputMark(line()) = outcome.store.value_or(0);
    });

    QLineEdit* partialStart = numberEdit(512, &FormRecord::partialStart, QStringLiteral("1"));
    QLineEdit* partialMax = numberEdit(513, &FormRecord::partialMaxLength, QStringLiteral("0"));

    QLineEdit* leadCode = IdEdit(this, 514);
    leadCode->setText(FromGbk(SlotBytes(form().leadCode(n))));
    connect(leadCode, &QLineEdit::textChanged, this, [this, leadCode] {
        if (const auto cut = CutToBytes(leadCode->text(), FormRecord::kLeadCodeWidth)) {
            leadCode->setText(*cut);
            return;
        }
        SetFullSlotText(form().leadCode(line()), leadCode->text());
    });

    QComboBox* lineFeed = IdCombo(this, 615, { "无", "扫描+换行", "换行+扫描" });
    SetIndex(lineFeed, form().autoLineFeed(n));
    StoreIndex(lineFeed, [this] { return &form().autoLineFeed(line()); });

    QCheckBox* markCheck = IdCheck(this, 105, QStringLiteral("显示输入标记"));
    markCheck->setChecked(inputMarkShown());
    mark->setEnabled(inputMarkShown());
    connect(markCheck, &QCheckBox::toggled, this, [this, mark](bool on) {
        inputMarkShown() = on;
        mark->setEnabled(on);
    });

    // Each row: the check box that switches the field, the caption of a control that has one, the control.
    const struct {
        QWidget* check;
        const char* caption;
        QWidget* control;
    } rows[] = {
        { flagCheck(
              101, QStringLiteral("固定字段长度"), &FormRecord::fixedLengthOn, { fixedLength, justify }),
            nullptr, fixedLength },
        { nullptr, nullptr, justify },
        { flagCheck(102, QStringLiteral("初始值或文本"), &FormRecord::initialOn, { initial }), nullptr,
            initial },
        { flagCheck(103, QStringLiteral("添加前缀码"), &FormRecord::prefixOn, { prefixEdit() }), nullptr,
            prefixEdit() },
        { flagCheck(104, QStringLiteral("添加后缀码"), &FormRecord::suffixOn, { suffixEdit() }), nullptr,
            suffixEdit() },
        { markCheck, nullptr, mark },
        { flagCheck(
              111, QStringLiteral("读取部分条码"), &FormRecord::partialOn, { partialStart, partialMax }),
            "起始位置", partialStart },
        { nullptr, "最大长度", partialMax },
        { flagCheck(114, QStringLiteral("检查引导码"), &FormRecord::leadCodeOn, { leadCode }), nullptr,
            leadCode },
        { nullptr, "自动换行", lineFeed },
    };
    int row = 1;
    for (const auto& [check, caption, control] : rows) {
        if (check)
            grid()->addWidget(check, row, 0);
        if (caption) {
            auto* label = new QLabel(QString::fromUtf8(caption), this);
            label->setBuddy(control);
            grid()->addWidget(label, row, 1);
        }
        grid()->addWidget(control, row++, 2);
    }
    // The code edits start enabled whatever their flags say.
    prefixEdit()->setEnabled(true);
    suffixEdit()->setEnabled(true);
}

void AdvanceDlg::accept()
{
    if (!inputMarkShown())
        form().inputMark(line()) = 0;
    fixPartialRange();
    storeCodes();
    QDialog::accept();
}

} // namespace vosket
