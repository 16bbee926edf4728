#include "generator/ui/datetimestampdlg.h"

#include "generator/ui/editorcontrols.h"
#include "generator/ui/formrules.h"
#include "generator/ui/okcancel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace vosket {

DateTimeStampDlg::DateTimeStampDlg(EditorWorkCopy& work, QWidget* parent)
    : QDialog(parent)
    , work(work)
    , dateBox(new QGroupBox(this))
    , timeBox(new QGroupBox(this))
{
    setWindowTitle(QStringLiteral("日期 & 时间戳设置"));
    dateBox->setObjectName(QStringLiteral("group901"));
    timeBox->setObjectName(QStringLiteral("group902"));
    work.backUpForm();
    FormRecord& form = work.form();

    QComboBox* position = IdCombo(this, 601, { "空", "添加到记录前端", "添加到记录后端" });
    SetIndex(position, form.stampPosition());
    connect(position, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            this->work.form().stampPosition() = static_cast<uint8_t>(i);
    });
    QCheckBox* split = IdCheck(this, 101, QStringLiteral("日期戳和时间戳分为两个字段。"));

    auto* dateGrid = new QGridLayout(dateBox);
    auto* timeGrid = new QGridLayout(timeBox);
    // Check boxes: id, text, field, the caption they rewrite (true: date).
    struct Flag {
        int id;
        const char* text;
        uint8_t& (FormRecord::*field)();
        bool date;
    };
    const Flag flags[]
        = { { 101, nullptr, &FormRecord::stampSplit, true }, { 102, "年", &FormRecord::stampYear, true },
              { 103, "月", &FormRecord::stampMonth, true }, { 104, "日", &FormRecord::stampDay, true },
              { 105, "分隔符", &FormRecord::stampDateSeparatorOn, true },
              { 111, "时", &FormRecord::stampHour, false }, { 112, "分", &FormRecord::stampMinute, false },
              { 113, "秒", &FormRecord::stampSecond, false },
              { 114, "分隔符", &FormRecord::stampTimeSeparatorOn, false } };
    int dateRow = 0;
    int timeRow = 0;
    for (const Flag& flag : flags) {
        QCheckBox* box = flag.text ? IdCheck(this, flag.id, QString::fromUtf8(flag.text)) : split;
        box->setChecked((form.*flag.field)() != 0);
        connect(box, &QCheckBox::toggled, this, [this, flag](bool on) {
            (this->work.form().*flag.field)() = on ? 1 : 0;
            flag.date ? ShowDateFormat() : ShowTimeFormat();
        });
        if (flag.text)
            (flag.date ? dateGrid : timeGrid)->addWidget(box, flag.date ? dateRow++ : timeRow++, 0);
    }

    QComboBox* digits = IdCombo(this, 602, { "4 位 (YYYY)", "2 位 (YY)" });
    QComboBox* style = IdCombo(this, 606, { "年.月.日", "月.日.年", "日.月.年" });
    SetIndex(digits, form.stampYearDigits());
    SetIndex(style, form.stampDateStyle());
    connect(digits, &QComboBox::currentIndexChanged, this, [this](int i) {
        this->work.form().stampYearDigits() = static_cast<uint8_t>(std::max(i, 0));
        ShowDateFormat();
    });
    connect(style, &QComboBox::currentIndexChanged, this, [this](int i) {
        this->work.form().stampDateStyle() = static_cast<uint8_t>(std::max(i, 0));
        ShowDateFormat();
    });
    dateGrid->addWidget(digits, 0, 1);
    dateGrid->addWidget(style, dateRow, 0, 1, 2);

    // The separators: one character each.
    const std::pair<int, uint8_t& (FormRecord::*)()> separators[]
        = { { 505, &FormRecord::stampDateSeparator }, { 514, &FormRecord::stampTimeSeparator } };
    for (const auto& [id, field] : separators) {
        QLineEdit* edit = IdEdit(this, id);
        const uint8_t stored = (form.*field)();
        edit->setText(stored != 0 ? QString(QChar(stored)) : QString());
        connect(edit, &QLineEdit::textChanged, this, [this, edit, field = field, id = id] {
            const EditOutcome outcome = SingleCharEdit(edit->text());
            if (outcome.replaceText) {
                edit->setText(*outcome.replaceText);
                return;
            }
            (this->work.form().*field)() = outcome.store.value_or(0);
            id == 505 ? ShowDateFormat() : ShowTimeFormat();
        });
        (id == 505 ? dateGrid : timeGrid)->addWidget(edit, 3, 1); // beside its 分隔符
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(position);
    layout->addWidget(split);
    layout->addWidget(dateBox);
    layout->addWidget(timeBox);
    layout->addWidget(OkCancelButtons(this));
    ShowDateFormat();
    ShowTimeFormat();
}

void DateTimeStampDlg::ShowDateFormat()
{
    dateBox->setTitle(DateCaption(work.form()));
}

void DateTimeStampDlg::ShowTimeFormat()
{
    timeBox->setTitle(TimeCaption(work.form()));
}

void DateTimeStampDlg::reject()
{
    work.restoreForm();
    QDialog::reject();
}

} // namespace vosket
