#include "generator/ui/startuppage.h"

#include "generator/project/gbk.h"
#include "generator/project/projectfile.h"
#include "generator/ui/editorcontrols.h"
#include "generator/ui/formrules.h"
#include "platform/ui/dialogs.h"

#include <QGridLayout>
#include <QGroupBox>

namespace vosket {

namespace {

    QString SeparatorText(uint8_t separator)
    {
        return separator != 0 ? FromGbk(QByteArray(1, static_cast<char>(separator))) : QString();
    }

} // namespace

StartupPage::StartupPage(EditorWorkCopy& work, QWidget* parent)
    : EditorPage(parent)
    , work(work)
    , start(IdCombo(this, 690, { "窗体 1", "菜单 1" }))
    , count(IdCombo(this, 601, { "空", " 1 ", " 2 " }))
    , largeCheck(IdCheck(this, 101, QStringLiteral("所有提示使用大字体")))
    , groups(IdCombo(this, 610, {}))
{
    auto* separatorBox = new QGroupBox(QStringLiteral("数据字段分隔符"));
    auto* separatorGrid = new QGridLayout(separatorBox);
    separatorGrid->addWidget(new QLabel(QStringLiteral("分隔符数 :")), 0, 0);
    separatorGrid->addWidget(count, 0, 1);
    for (int i = 0; i < 2; ++i) {
        QLineEdit* ascii = asciiEdits[static_cast<std::size_t>(i)] = IdEdit(this, 501 + i);
        QLineEdit* text = textEdits[static_cast<std::size_t>(i)] = IdEdit(this, 503 + i);
        separatorGrid->addWidget(new QLabel(QStringLiteral("ASCII :")), 1 + i, 0);
        separatorGrid->addWidget(ascii, 1 + i, 1);
        separatorGrid->addWidget(new QLabel(QStringLiteral("文本 :")), 1 + i, 2);
        separatorGrid->addWidget(text, 1 + i, 3);
        connect(ascii, &QLineEdit::textChanged, this, [this, i] { asciiEdited(i); });
        connect(text, &QLineEdit::textChanged, this, [this, i] { textEdited(i); });
    }
    QPushButton* import = IdButton(this, 201, QStringLiteral("导入提示和消息 ..."));
    QPushButton* reset = IdButton(this, 202, QStringLiteral("复位"));

    auto* textBox = new QGroupBox;
    auto* textGrid = new QGridLayout(textBox);
    textGrid->addWidget(new QLabel(QStringLiteral("重定义提示和消息 :")), 0, 0);
    textGrid->addWidget(groups, 0, 1);
    for (int l = 0; l < kGroupLines; ++l) {
        QLabel* label = labels[static_cast<std::size_t>(l)] = IdLabel(this, 411 + l);
        QLineEdit* edit = edits[static_cast<std::size_t>(l)] = IdEdit(this, 511 + l);
        label->setFont(QFont(QStringLiteral("monospace")));
        edit->setFont(label->font());
        textGrid->addWidget(label, 1 + l, 0);
        textGrid->addWidget(edit, 1 + l, 1);
        connect(edit, &QLineEdit::textChanged, this, [this, l] { editLine(l); });
    }

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("程序起始位置 :")), 0, 0);
    layout->addWidget(start, 0, 1);
    layout->addWidget(separatorBox, 1, 0, 1, 2);
    layout->addWidget(largeCheck, 2, 0);
    layout->addWidget(import, 2, 1);
    layout->addWidget(reset, 3, 1);
    layout->addWidget(textBox, 0, 2, 5, 1);
    layout->setRowStretch(4, 1);

    connect(start, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!showing && i >= 0)
            this->work.system.startTarget() = static_cast<uint8_t>(i);
    });
    connect(count, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (showing || i < 0)
            return;
        this->work.separatorCount = i;
        enableSeparators();
    });
    connect(largeCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (showing)
            return;
        this->work.system.allPromptsLarge() = on ? 1 : 0;
        rebuildGroupNames();
        ApplyFontDefaults(this->work.texts, on);
        this->work.textsChanged = true; // the texts now fit the font, and OK keeps them
        showGroup(group);
    });
    connect(groups, &QComboBox::activated, this, &StartupPage::showGroup);
    connect(import, &QPushButton::clicked, this, [this] {
        if (ImportPromptsAndMessages() != 0)
            showGroup(0);
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        this->work.system.startTarget() = 0;
        this->work.separatorCount = 1;
        this->work.system.fieldSeparator(0) = ',';
        this->work.system.fieldSeparator(1) = 0;
        ResetTerminalTexts(this->work.texts, large());
        this->work.textsChanged = true; // OK keeps the reset texts
        showControls();
    });
    // Lines that still hold the other font's default take this font's, so the page shows texts
    // that fit its font. Only an edit (a typed line, the font box, the reset or an import) makes OK
    // write them: opening the page changes nothing.
    FitTextsToFont(work.texts, large());
    showControls();
}

void StartupPage::apply(Project& project)
{
    ApplyStartupPage(work, project);
}

int StartupPage::ImportPromptsAndMessages()
{
    const QString fileName
        = platform::dialogs().openFileName({}, {}, QStringLiteral("应用程序产生器文件 (*.VSK)"));
    if (fileName.isEmpty())
        return 0;
    bool importedLarge = large();
    switch (ImportTerminalTextsFile(fileName, work.texts, importedLarge)) {
    case TextImport::CannotOpen:
        return 0;
    case TextImport::WrongFormat:
        platform::dialogs().message(QString::fromUtf8(kWrongFormatMessage), QStringLiteral("错误"),
            platform::Buttons::Ok, platform::Icon::Warning);
        return 0;
    case TextImport::Incomplete:
        platform::dialogs().message(QString::fromUtf8(kImportIncomplete), QStringLiteral("错误"),
            platform::Buttons::Ok, platform::Icon::Warning);
        return 0;
    case TextImport::Taken:
        break;
    }
    // Taken as they stand, fitting the font or not: OK writes the other file's slots byte for byte,
    // Cancel drops them with the sheet.
    work.textsChanged = true;
    work.system.allPromptsLarge() = importedLarge ? 1 : 0;
    showing = true;
    largeCheck->setChecked(importedLarge);
    showing = false;
    rebuildGroupNames();
    return 1;
}

void StartupPage::showControls()
{
    showing = true;
    start->setCurrentIndex(work.system.startTarget() != 0 ? 1 : 0);
    count->setCurrentIndex(work.separatorCount);
    largeCheck->setChecked(large());
    echoing = true;
    for (int i = 0; i < SystemSettings::kFieldSeparators; ++i) {
        asciiEdits[static_cast<std::size_t>(i)]->setText(QString::number(work.system.fieldSeparator(i)));
        textEdits[static_cast<std::size_t>(i)]->setText(SeparatorText(work.system.fieldSeparator(i)));
    }
    echoing = false;
    showing = false;
    enableSeparators();
    rebuildGroupNames();
    showGroup(0);
}

void StartupPage::rebuildGroupNames()
{
    const int shown = group;
    groups->clear();
    for (int g = 0; g < kTextGroups; ++g)
        groups->addItem(GroupName(g, large()));
    groups->setCurrentIndex(shown);
}

void StartupPage::showGroup(int g)
{
    if (g < 0)
        return;
    group = g;
    groups->setCurrentIndex(g);
    const int count = GroupLineCount(g, large());
    const QString blank(GroupLineLength(g, large()), u' ');
    showing = true;
    for (int l = 0; l < kGroupLines; ++l) {
        const bool used = l < count;
        labels[static_cast<std::size_t>(l)]->setText(used ? GroupLineLabel(g, l, large()) : blank);
        edits[static_cast<std::size_t>(l)]->setText(used ? SlotText(work.texts.line(g, l)) : blank);
        edits[static_cast<std::size_t>(l)]->setEnabled(used);
    }
    showing = false;
}

void StartupPage::enableSeparators()
{
    for (std::size_t i = 0; i < 2; ++i) {
        const bool on = work.separatorCount > static_cast<int>(i);
        asciiEdits[i]->setEnabled(on);
        textEdits[i]->setEnabled(on);
    }
}

void StartupPage::editLine(int l)
{
    if (showing)
        return;
    QLineEdit* edit = edits[static_cast<std::size_t>(l)];
    if (const auto cut = CutToBytes(edit->text(), GroupLineLength(group, large()))) {
        edit->setText(*cut); // the change this makes stores the cut text
        return;
    }
    SetSlotText(work.texts.line(group, l), edit->text());
    work.textsChanged = true;
}

void StartupPage::asciiEdited(int i)
{
    if (echoing)
        return;
    QLineEdit* ascii = asciiEdits[static_cast<std::size_t>(i)];
    const EditOutcome outcome = NumberEdit(ascii->text(), 255, QStringLiteral("0"));
    if (!outcome.store)
        return;
    uint8_t& separator = work.system.fieldSeparator(i);
    separator = *outcome.store;
    echoing = true;
    if (outcome.replaceText)
        ascii->setText(*outcome.replaceText);
    textEdits[static_cast<std::size_t>(i)]->setText(SeparatorText(separator));
    echoing = false;
}

void StartupPage::textEdited(int i)
{
    if (echoing)
        return;
    QLineEdit* text = textEdits[static_cast<std::size_t>(i)];
    const EditOutcome outcome = SingleCharEdit(text->text());
    if (outcome.replaceText) {
        text->setText(*outcome.replaceText); // the change this makes stores the character
        return;
    }
    uint8_t& separator = work.system.fieldSeparator(i);
    separator = outcome.store.value_or(0);
    echoing = true;
    asciiEdits[static_cast<std::size_t>(i)]->setText(QString::number(separator));
    echoing = false;
}

} // namespace vosket
