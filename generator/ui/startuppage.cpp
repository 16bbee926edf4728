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

StartupPage::StartupPage(Project& project, QWidget* parent)
    : EditorPage(parent)
    , lines(ReadTerminalTexts(project.messages))
    , startTarget(project.system.startTarget() != 0 ? 1 : 0)
    , large(project.system.allPromptsLarge() != 0)
    , start(IdCombo(this, 690, { "窗体 1", "菜单 1" }))
    , count(IdCombo(this, 601, { "空", " 1 ", " 2 " }))
    , largeFont(IdCheck(this, 101, QStringLiteral("所有提示使用大字体")))
    , groups(IdCombo(this, 610, {}))
{
    for (int i = 0; i < SystemSettings::kFieldSeparators; ++i)
        separators[static_cast<std::size_t>(i)] = project.system.fieldSeparator(i);
    separatorCount = separators[0] == 0 ? 0 : separators[1] == 0 ? 1 : 2;

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
    layout->addWidget(largeFont, 2, 0);
    layout->addWidget(import, 2, 1);
    layout->addWidget(reset, 3, 1);
    layout->addWidget(textBox, 0, 2, 5, 1);
    layout->setRowStretch(4, 1);

    connect(start, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            startTarget = static_cast<uint8_t>(i);
    });
    connect(count, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (showing || i < 0)
            return;
        separatorCount = i;
        enableSeparators();
    });
    connect(largeFont, &QCheckBox::toggled, this, [this](bool on) {
        if (showing)
            return;
        large = on;
        rebuildGroupNames();
        ApplyFontDefaults(lines, large);
        changed = true; // the texts now fit the font, and OK keeps them
        showGroup(group);
    });
    connect(groups, &QComboBox::activated, this, &StartupPage::showGroup);
    connect(import, &QPushButton::clicked, this, [this] {
        if (ImportPromptsAndMessages() != 0)
            showGroup(0);
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        startTarget = 0;
        separatorCount = 1;
        separators = { ',', 0 };
        ResetTerminalTexts(lines, large);
        changed = true; // OK keeps the reset texts
        showControls();
    });
    showControls();
}

void StartupPage::apply(Project& project)
{
    SystemSettings& s = project.system;
    s.startTarget() = startTarget;
    s.fieldSeparator(0) = separatorCount >= 1 ? separators[0] : 0;
    s.fieldSeparator(1) = separatorCount == 2 ? separators[1] : 0;
    s.allPromptsLarge() = large ? 1 : 0;
    if (changed)
        WriteTerminalTexts(lines, project.messages);
}

int StartupPage::ImportPromptsAndMessages()
{
    const QString fileName = platform::dialogs().openFileName(
        {}, {}, QStringLiteral("应用程序产生器文件 (*.VSK)"));
    if (fileName.isEmpty())
        return 0;
    switch (ImportTerminalTextsFile(fileName, lines, large)) {
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
    changed = true; // OK keeps the imported texts
    showing = true;
    largeFont->setChecked(large);
    showing = false;
    rebuildGroupNames();
    return 1;
}

void StartupPage::showControls()
{
    showing = true;
    start->setCurrentIndex(startTarget);
    count->setCurrentIndex(separatorCount);
    largeFont->setChecked(large);
    echoing = true;
    for (std::size_t i = 0; i < 2; ++i) {
        asciiEdits[i]->setText(QString::number(separators[i]));
        textEdits[i]->setText(SeparatorText(separators[i]));
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
        groups->addItem(GroupName(g, large));
    groups->setCurrentIndex(shown);
}

void StartupPage::showGroup(int g)
{
    if (g < 0)
        return;
    group = g;
    groups->setCurrentIndex(g);
    const int count = GroupLineCount(g, large);
    const QString blank(GroupLineLength(g, large), u' ');
    showing = true;
    for (int l = 0; l < kGroupLines; ++l) {
        const bool used = l < count;
        labels[static_cast<std::size_t>(l)]->setText(used ? GroupLineLabel(g, l, large) : blank);
        edits[static_cast<std::size_t>(l)]->setText(used ? FromGbk(lines.line(g, l)) : blank);
        edits[static_cast<std::size_t>(l)]->setEnabled(used);
    }
    showing = false;
}

void StartupPage::enableSeparators()
{
    for (std::size_t i = 0; i < 2; ++i) {
        const bool on = separatorCount > static_cast<int>(i);
        asciiEdits[i]->setEnabled(on);
        textEdits[i]->setEnabled(on);
    }
}

void StartupPage::editLine(int l)
{
    if (showing)
        return;
    QLineEdit* edit = edits[static_cast<std::size_t>(l)];
    if (const auto cut = CutToBytes(edit->text(), GroupLineLength(group, large))) {
        edit->setText(*cut); // the change this makes stores the cut text
        return;
    }
    lines.line(group, l) = ToGbk(edit->text());
    changed = true;
}

void StartupPage::asciiEdited(int i)
{
    if (echoing)
        return;
    QLineEdit* ascii = asciiEdits[static_cast<std::size_t>(i)];
    const EditOutcome outcome = NumberEdit(ascii->text(), 255, QStringLiteral("0"));
    if (!outcome.store)
        return;
    uint8_t& separator = separators[static_cast<std::size_t>(i)];
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
    uint8_t& separator = separators[static_cast<std::size_t>(i)];
    separator = outcome.store.value_or(0);
    echoing = true;
    asciiEdits[static_cast<std::size_t>(i)]->setText(QString::number(separator));
    echoing = false;
}

} // namespace vosket
