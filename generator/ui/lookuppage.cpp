#include "generator/ui/lookuppage.h"

#include "generator/ui/editorcontrols.h"
#include "generator/ui/formrules.h"
#include "generator/ui/pagerules.h"
#include "platform/ui/dialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace vosket {

namespace {

    const QString kFixedHeading = QStringLiteral("   长度");
    const QString kSeparatedHeading = QStringLiteral("最大长度");
    // What 分隔符 asks when no separator is given yet.
    const QString kSeparatorTitle = QStringLiteral("分隔符");
    const QString kSeparatorPrompt = QStringLiteral("请输入分隔符的 ASCII 码 (1 ~ 255) :");

} // namespace

LookupPage::LookupPage(EditorWorkCopy& work, QWidget* parent)
    : EditorPage(parent)
    , work(work)
    , name(IdCombo(this, 690, { "第一个索引文件", "第二个索引文件", "第三个索引文件" }))
    , fieldCount(IdCombo(this, 601, {}))
    , fixed(IdRadio(this, 311, QStringLiteral("固定长度")))
    , separatedRadio(IdRadio(this, 312, QStringLiteral("分隔符")))
    , uploadable(IdCheck(this, 101, QStringLiteral("索引数据可上传")))
    , noMatch(IdCombo(this, 602, { "继续", "显示警告信息", "插入到索引文件", "显示警告信息 & 插入" }))
    , lengthHeading(new QLabel(kFixedHeading, this))
{
    lengthHeading->setObjectName(QStringLiteral("static401"));
    for (int n = 0; n <= LookupRecord::kFields; ++n)
        fieldCount->addItem(QStringLiteral(" ") + QString::number(n));
    recordLength = numberEdit(509, [this] { return &lookup().recordLength(); });
    separator = IdEdit(this, 519);
    auto* modes = new QButtonGroup(this);
    modes->addButton(fixed);
    modes->addButton(separatedRadio);
    auto* keyGroup = new QButtonGroup(this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("名称")), 0, 0);
    layout->addWidget(name, 0, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("成员长度")), 1, 0);
    layout->addWidget(recordLength, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("字段数")), 1, 2);
    layout->addWidget(fieldCount, 1, 3);
    layout->addWidget(fixed, 2, 0);
    layout->addWidget(separatedRadio, 2, 1);
    layout->addWidget(separator, 2, 2);
    layout->addWidget(new QLabel(QStringLiteral("(ASCII)")), 2, 3);
    layout->addWidget(uploadable, 3, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("输入无匹配时动作")), 4, 0);
    layout->addWidget(noMatch, 4, 1, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("偏移量")), 5, 1);
    layout->addWidget(lengthHeading, 5, 2);
    layout->addWidget(new QLabel(QStringLiteral("关键字段")), 5, 3);
    for (int i = 0; i < LookupRecord::kFields; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        offsets[k] = numberEdit(501 + i, [this, i] { return &lookup().fieldOffset(i); });
        lengths[k] = numberEdit(511 + i, [this, i] { return &lookup().fieldLength(i); });
        keys[k] = IdRadio(this, 301 + i, QString());
        keyGroup->addButton(keys[k]);
        connect(keys[k], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on && !showing)
                lookup().keyField() = static_cast<uint8_t>(i);
        });
        layout->addWidget(new QLabel(QStringLiteral("#%1").arg(i + 1)), 6 + i, 0);
        layout->addWidget(offsets[k], 6 + i, 1);
        layout->addWidget(lengths[k], 6 + i, 2);
        layout->addWidget(keys[k], 6 + i, 3);
    }
    QPushButton* reset = IdButton(this, 201, QStringLiteral("复位"));
    layout->addWidget(reset, 0, 3);

    connect(name, &QComboBox::activated, this, [this](int index) {
        this->work.currentLookup = std::max(index, 0);
        ShowLookupPage();
    });
    connect(fieldCount, &QComboBox::currentIndexChanged, this, [this](int count) {
        if (showing || count < 0)
            return;
        lookup().fieldCount() = static_cast<uint8_t>(count);
        enableRows();
    });
    connect(separator, &QLineEdit::textChanged, this, [this] {
        if (showing)
            return;
        const EditOutcome outcome = SeparatorEdit(separator->text(), lookup().separator());
        if (outcome.store)
            lookup().separator() = *outcome.store;
        if (outcome.replaceText)
            separator->setText(*outcome.replaceText);
    });
    connect(fixed, &QRadioButton::clicked, this, &LookupPage::chooseFixed);
    connect(separatedRadio, &QRadioButton::clicked, this, &LookupPage::chooseSeparated);
    connect(uploadable, &QCheckBox::toggled, this, [this](bool on) {
        if (!showing)
            lookup().uploadable() = on ? 1 : 0;
    });
    StoreIndex(
        noMatch, [this] { return &lookup().noMatchAction(); }, &showing);
    connect(reset, &QPushButton::clicked, this, [this] {
        ResetLookups();
        ShowLookupPage();
    });

    work.currentLookup = 0;
    ShowLookupPage();
}

LookupRecord& LookupPage::lookup()
{
    return work.lookups[static_cast<std::size_t>(work.currentLookup)];
}

QLineEdit* LookupPage::numberEdit(int id, std::function<uint8_t*()> field)
{
    QLineEdit* edit = IdEdit(this, id);
    connect(edit, &QLineEdit::textChanged, this, [this, edit, field = std::move(field)] {
        if (showing)
            return;
        const EditOutcome outcome = NumberEdit(edit->text(), kLookupNumberLimit, QStringLiteral("0"));
        if (outcome.store)
            *field() = *outcome.store;
        if (outcome.replaceText)
            edit->setText(*outcome.replaceText);
    });
    return edit;
}

void LookupPage::apply(Project& project)
{
    ApplyLookupPage(work, project);
}

void LookupPage::ShowLookupPage()
{
    const LookupRecord& l = lookup();
    showing = true;
    name->setCurrentIndex(work.currentLookup);
    separated = l.separator() != 0;
    (separated ? separatedRadio : fixed)->setChecked(true);
    lengthHeading->setText(separated ? kSeparatedHeading : kFixedHeading);
    separator->setText(QString::number(l.separator()));
    recordLength->setText(QString::number(l.recordLength()));
    recordLength->setEnabled(!separated);
    separator->setEnabled(separated);
    SetIndex(fieldCount, l.fieldCount());
    uploadable->setChecked(l.uploadable() != 0);
    SetIndex(noMatch, l.noMatchAction());
    for (int i = 0; i < LookupRecord::kFields; ++i) {
        offsets[static_cast<std::size_t>(i)]->setText(QString::number(l.fieldOffset(i)));
        lengths[static_cast<std::size_t>(i)]->setText(QString::number(l.fieldLength(i)));
    }
    if (l.keyField() < LookupRecord::kFields)
        keys[l.keyField()]->setChecked(true);
    showing = false;
    enableRows();
}

void LookupPage::ResetLookups()
{
    for (LookupRecord& definition : work.lookups)
        ResetLookup(definition);
    work.currentLookup = 0;
}

void LookupPage::enableRows()
{
    const int used = lookup().fieldCount();
    for (int i = 0; i < LookupRecord::kFields; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        offsets[k]->setEnabled(i < used && !separated);
        lengths[k]->setEnabled(i < used);
        keys[k]->setEnabled(i < used);
    }
}

void LookupPage::chooseFixed()
{
    separated = false;
    lookup().separator() = 0;
    lengthHeading->setText(kFixedHeading);
    recordLength->setEnabled(true);
    separator->setEnabled(false);
    enableRows();
}

void LookupPage::chooseSeparated()
{
    // The edit holds the separator's code as a decimal number. Without a code the user is asked
    // for one, and without an answer the definition stays fixed, as the page then shows.
    std::optional<uint8_t> code = SeparatorCode(separator->text());
    if (!code && lookup().separator() != 0)
        code = lookup().separator();
    if (!code) {
        const auto answer = platform::dialogs().input(kSeparatorPrompt, kSeparatorTitle, QString());
        code = SeparatorCode(answer.value_or(QString()));
    }
    if (!code) {
        fixed->setChecked(true);
        chooseFixed();
        return;
    }
    separated = true;
    lookup().separator() = *code;
    showing = true;
    separator->setText(QString::number(*code));
    showing = false;
    lengthHeading->setText(kSeparatedHeading);
    recordLength->setEnabled(false);
    separator->setEnabled(true);
    enableRows();
}

} // namespace vosket
