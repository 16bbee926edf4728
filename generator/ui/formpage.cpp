#include "generator/ui/formpage.h"

#include "generator/project/gbk.h"
#include "generator/ui/advancedlg.h"
#include "generator/ui/datetimestampdlg.h"
#include "generator/ui/editorcontrols.h"
#include "generator/ui/formrules.h"
#include "generator/ui/lookupadvancedlg.h"
#include "platform/ui/modal.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vosket {

namespace {

    QStringList LookupCodeNames()
    {
        QStringList names { QStringLiteral("空") };
        for (const char* sign : { "", "-", "+" }) {
            for (int n = 1; n <= FormRecord::kLines; ++n)
                names << QString::fromLatin1(sign) + QStringLiteral("字段 ") + QString::number(n);
        }
        return names;
    }

    const QStringList kLineTypes { "空", "文本", "整数", "实数", "字母", "自动(+/-)", "布尔数", "索引",
        "固定数据", "提示", "计数器", "传递", "延续上一行" };

} // namespace

FormPage::FormPage(EditorWorkCopy& work, QWidget* parent)
    : EditorPage(parent)
    , work(work)
    , name(IdCombo(this, 690, {}))
    , font(IdCombo(this, 691, { "小字体", "大字体" }))
    , escape(IdCombo(this, 692, TargetNames()))
    , next(IdCombo(this, 693, TargetNames()))
    , recordLookup(IdCombo(this, 694, { "空", "第一个索引文件", "第二个索引文件", "第三个索引文件" }))
    , recordAction(
          IdCombo(this, 695, { "保存", "更新索引文件", "保存 & 更新", "传递", "输出记录", "输出屏幕" }))
{
    for (int n = 1; n <= Project::kForms; ++n)
        name->addItem(QStringLiteral("窗体  ") + QString::number(n));

    auto* layout = new QGridLayout(this);
    const std::pair<const char*, QWidget*> header[] = { { "名称", name }, { "字体", font },
        { "取消", escape }, { "下一个", next }, { "索引", recordLookup }, { "记录", recordAction } };
    int column = 0;
    for (const auto& [caption, control] : header) {
        layout->addWidget(new QLabel(QString::fromUtf8(caption)), column / 6 * 2, column % 6);
        layout->addWidget(control, column / 6 * 2 + 1, column % 6);
        ++column;
    }
    QPushButton* stamp = IdButton(this, 210, QStringLiteral("时间戳"));
    QPushButton* reset = IdButton(this, 211, QStringLiteral("复位"));
    layout->addWidget(stamp, 1, 6);
    layout->addWidget(reset, 1, 7);
    const char* captions[] = { "", "数据类型", "提示", "输入来源", "最小长度", "最大长度", "索引", "属性" };
    for (int c = 0; c < 8; ++c)
        layout->addWidget(new QLabel(QString::fromUtf8(captions[c])), 2, c);
    for (int line = 0; line < FormRecord::kLines; ++line) {
        buildLine(line);
        const LineControls& l = lines[static_cast<std::size_t>(line)];
        layout->addWidget(new QLabel(QStringLiteral("#%1").arg(line + 1)), 3 + line, 0);
        int c = 1;
        for (QWidget* control : { static_cast<QWidget*>(l.type), static_cast<QWidget*>(l.prompt),
                 static_cast<QWidget*>(l.inputSource), static_cast<QWidget*>(l.minLength),
                 static_cast<QWidget*>(l.maxLength), static_cast<QWidget*>(l.lookup),
                 static_cast<QWidget*>(l.more) })
            layout->addWidget(control, 3 + line, c++);
    }

    connect(name, &QComboBox::activated, this, &FormPage::selectForm);
    StoreIndex(
        escape, [this] { return &this->work.form().escapeTarget(); }, &loading);
    StoreIndex(
        next, [this] { return &this->work.form().nextTarget(); }, &loading);
    StoreIndex(
        recordLookup, [this] { return &this->work.form().recordLookup(); }, &loading);
    StoreIndex(
        recordAction, [this] { return &this->work.form().recordAction(); }, &loading);
    connect(stamp, &QPushButton::clicked, this, &FormPage::openStamp);
    connect(reset, &QPushButton::clicked, this, [this] {
        ResetForms();
        ShowFormPage();
        ApplyFormFontLayout();
    });

    work.currentForm = 0;
    ShowFormPage();
    work.form().largeFont() = 1;
    showing([this] { font->setCurrentIndex(1); });
    ApplyFormFontLayout();
    font->setEnabled(false);
}

void FormPage::buildLine(int line)
{
    LineControls& l = lines[static_cast<std::size_t>(line)];
    const int n = line + 1;
    l.type = IdCombo(this, 600 + n, kLineTypes);
    l.prompt = IdEdit(this, 500 + n);
    l.inputSource = IdCombo(this, 610 + n, { "读头", "键盘", "两者均可" });
    l.minLength = IdEdit(this, 510 + n);
    l.maxLength = IdEdit(this, 520 + n);
    l.lookup = IdCombo(this, 620 + n, LookupCodeNames());
    l.more = IdButton(this, 200 + n, QStringLiteral("更多..."));
    connect(l.type, &QComboBox::currentIndexChanged, this, [this, line](int type) {
        if (!loading)
            typeChanged(line, type);
    });
    connect(l.prompt, &QLineEdit::textChanged, this, [this, line] { promptEdited(line); });
    connect(l.minLength, &QLineEdit::textChanged, this,
        [this, line, &l] { lengthEdited(line, l.minLength, false); });
    connect(l.maxLength, &QLineEdit::textChanged, this,
        [this, line, &l] { lengthEdited(line, l.maxLength, true); });
    StoreIndex(
        l.inputSource, [this, line] { return &work.form().inputSource(line); }, &loading);
    StoreIndex(
        l.lookup, [this, line] { return &work.form().lineLookup(line); }, &loading);
    connect(l.more, &QPushButton::clicked, this, [this, line] { openAttributes(line); });
}

template <typename F> void FormPage::showing(F change)
{
    const bool was = std::exchange(loading, true);
    change();
    loading = was;
}

void FormPage::apply(Project& project)
{
    ApplyFormPage(work, project);
}

void FormPage::ShowFormPage()
{
    const FormRecord& form = work.form();
    showing([&] {
        name->setCurrentIndex(work.currentForm);
        font->setCurrentIndex(form.largeFont() != 0 ? 1 : 0);
        SetIndex(escape, form.escapeTarget());
        SetIndex(next, form.nextTarget());
        SetIndex(recordLookup, form.recordLookup());
        SetIndex(recordAction, form.recordAction());
        for (int line = 0; line < FormRecord::kLines; ++line) {
            LineControls& l = lines[static_cast<std::size_t>(line)];
            l.prompt->setText(FromGbk(SlotBytes(form.prompt(line))));
            SetIndex(l.type, form.lineType(line));
            SetIndex(l.inputSource, form.inputSource(line));
            l.minLength->setText(QString::number(form.minLength(line)));
            l.maxLength->setText(QString::number(form.maxLength(line)));
            SetIndex(l.lookup, form.lineLookup(line));
            enableLineByType(line);
        }
    });
}

void FormPage::enableLineByType(int line)
{
    const LineControls& l = lines[static_cast<std::size_t>(line)];
    const LineEnabling e = LineEnablingFor(work.form().lineType(line));
    l.type->setEnabled(true);
    l.prompt->setEnabled(e.prompt);
    l.more->setEnabled(e.more);
    l.inputSource->setEnabled(e.inputSource);
    l.lookup->setEnabled(e.lookup);
    l.minLength->setEnabled(e.lengths);
    l.maxLength->setEnabled(e.lengths);
}

void FormPage::ApplyFormFontLayout()
{
    const bool large = work.form().largeFont() != 0;
    for (int line = FormRecord::kLines / 2; line < FormRecord::kLines; ++line) {
        if (!large) {
            enableLineByType(line);
            continue;
        }
        const LineControls& l = lines[static_cast<std::size_t>(line)];
        for (QWidget* control : { static_cast<QWidget*>(l.type), static_cast<QWidget*>(l.prompt),
                 static_cast<QWidget*>(l.inputSource), static_cast<QWidget*>(l.minLength),
                 static_cast<QWidget*>(l.maxLength), static_cast<QWidget*>(l.lookup),
                 static_cast<QWidget*>(l.more) })
            control->setEnabled(false);
    }
}

void FormPage::ResetForms()
{
    for (int n = 1; n <= Project::kForms; ++n)
        ResetForm(work.forms[static_cast<std::size_t>(n - 1)], n);
    work.currentForm = 0;
}

void FormPage::selectForm(int index)
{
    if (index == work.currentForm || index < 0)
        return;
    work.currentForm = index;
    work.form().largeFont() = 1;
    ShowFormPage();
    ApplyFormFontLayout();
}

void FormPage::typeChanged(int line, int type)
{
    FormRecord& form = work.form();
    form.lineType(line) = static_cast<uint8_t>(type);
    if (!LineEnablingFor(static_cast<uint8_t>(type)).more) {
        form.initialOn(line) = 0;
        ClearSlot(form.initialText(line));
        form.inputMark(line) = 0;
        work.inputMarkShown[static_cast<std::size_t>(work.currentForm)][static_cast<std::size_t>(line)]
            = false;
    }
    enableLineByType(line);
}

void FormPage::promptEdited(int line)
{
    if (loading)
        return;
    QLineEdit* edit = lines[static_cast<std::size_t>(line)].prompt;
    if (const auto cut = CutToBytes(edit->text(), PromptLimit(work.form()))) {
        edit->setText(*cut); // the change this makes stores the cut text
        return;
    }
    SetSlotText(work.form().prompt(line), edit->text());
}

void FormPage::lengthEdited(int line, QLineEdit* edit, bool maximum)
{
    if (loading)
        return;
    const EditOutcome outcome = LengthEdit(edit->text(), work.form().lineType(line));
    if (outcome.store)
        (maximum ? work.form().maxLength(line) : work.form().minLength(line)) = *outcome.store;
    if (outcome.replaceText)
        edit->setText(*outcome.replaceText);
}

void FormPage::openAttributes(int line)
{
    work.lastLine = line;
    if (work.form().lineType(line) == kLineLookup) {
        LookupAdvanceDlg dialog(work, this);
        platform::runModal(dialog);
    } else {
        AdvanceDlg dialog(work, this);
        platform::runModal(dialog);
    }
}

void FormPage::openStamp()
{
    DateTimeStampDlg dialog(work, this);
    platform::runModal(dialog);
}

} // namespace vosket
