#include "generator/ui/menupage.h"

#include "generator/project/gbk.h"
#include "generator/ui/editorcontrols.h"
#include "generator/ui/formrules.h"
#include "generator/ui/pagerules.h"

#include <QGridLayout>
#include <QLabel>

namespace vosket {

MenuPage::MenuPage(EditorWorkCopy& work, QWidget* parent)
    : EditorPage(parent)
    , work(work)
    , name(IdCombo(this, 690, {}))
    , font(IdCombo(this, 691, { "小字体", "大字体" }))
    , escape(IdCombo(this, 692, TargetNames()))
    , title(IdEdit(this, 591))
{
    for (int n = 1; n <= Project::kMenus; ++n)
        name->addItem(QStringLiteral("菜单  ") + QString::number(n));
    const char* captions[]
        = { "菜单标题 :", "保存标题", "保存所选项", "传递", "保存从每个窗体收集的数据到不同文件" };
    for (int i = 0; i < 5; ++i)
        checks[static_cast<std::size_t>(i)] = IdCheck(this, 101 + i, QString::fromUtf8(captions[i]));
    titleOn = checks[0];

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("名称")), 0, 0);
    layout->addWidget(name, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("字体")), 0, 2);
    layout->addWidget(font, 0, 3);
    layout->addWidget(new QLabel(QStringLiteral("取消")), 1, 0);
    layout->addWidget(escape, 1, 1);
    layout->addWidget(titleOn, 2, 0);
    layout->addWidget(title, 2, 1, 1, 3);
    for (int i = 1; i < 5; ++i)
        layout->addWidget(checks[static_cast<std::size_t>(i)], 3 + (i - 1) / 2, (i - 1) % 2 * 2, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("项目名称")), 5, 1);
    layout->addWidget(new QLabel(QStringLiteral("下一个")), 5, 2);
    for (int i = 0; i < MenuRecord::kItems; ++i) {
        QLineEdit* item = items[static_cast<std::size_t>(i)] = IdEdit(this, 501 + i);
        QComboBox* target = targets[static_cast<std::size_t>(i)] = IdCombo(this, 601 + i, TargetNames());
        layout->addWidget(new QLabel(QStringLiteral("#%1").arg(i + 1)), 6 + i, 0);
        layout->addWidget(item, 6 + i, 1);
        layout->addWidget(target, 6 + i, 2, 1, 2);
        connect(item, &QLineEdit::textChanged, this, [this, item, i] {
            cutAndStore(item, static_cast<qsizetype>(menu().lineWidth()), menu().item(i));
        });
        StoreIndex(
            target, [this, i] { return &menu().nextTarget(i); }, &showing);
    }
    QPushButton* reset = IdButton(this, 201, QStringLiteral("复位"));
    layout->addWidget(reset, 1, 3);

    connect(name, &QComboBox::activated, this, &MenuPage::selectMenu);
    StoreIndex(
        escape, [this] { return &menu().escapeTarget(); }, &showing);
    connect(title, &QLineEdit::textChanged, this,
        [this] { cutAndStore(title, static_cast<qsizetype>(MenuRecord::kSmallFontWidth), menu().title()); });
    // 101-104 switch a byte of the menu, 105 the per-form-file option of the project.
    uint8_t& (MenuRecord::*const fields[])() = { &MenuRecord::titleOn, &MenuRecord::saveTitle,
        &MenuRecord::saveSelectedItem, &MenuRecord::passOn };
    for (int i = 0; i < 4; ++i) {
        uint8_t& (MenuRecord::*field)() = fields[i];
        connect(checks[static_cast<std::size_t>(i)], &QCheckBox::toggled, this, [this, i, field](bool on) {
            if (showing)
                return;
            (menu().*field)() = on ? 1 : 0;
            if (i == 0)
                title->setEnabled(on);
            if (i != 3) // 传递 itself follows no rule
                UpdateTransferCheck();
        });
    }
    connect(checks[4], &QCheckBox::toggled, this, [this](bool on) {
        if (showing)
            return;
        this->work.system.formFilesOn() = on ? 1 : 0;
        UpdateTransferCheck();
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        ResetMenus();
        ShowMenuPage();
        UpdateTransferCheck();
    });

    work.currentMenu = 0;
    ShowMenuPage();
    UpdateTransferCheck();
    font->setEnabled(false);
}

MenuRecord& MenuPage::menu()
{
    return work.menus[static_cast<std::size_t>(work.currentMenu)];
}

void MenuPage::apply(Project& project)
{
    ApplyMenuPage(work, project);
}

void MenuPage::ShowMenuPage()
{
    const MenuRecord& m = menu();
    showing = true;
    name->setCurrentIndex(work.currentMenu);
    font->setCurrentIndex(m.largeFont() != 0 ? 1 : 0);
    SetIndex(escape, m.escapeTarget());
    titleOn->setChecked(m.titleOn() != 0);
    title->setText(FromGbk(SlotBytes(m.title())));
    title->setEnabled(m.titleOn() != 0);
    checks[1]->setChecked(m.saveTitle() != 0);
    checks[2]->setChecked(m.saveSelectedItem() != 0);
    checks[3]->setChecked(m.passOn() != 0);
    checks[4]->setChecked(work.system.formFilesOn() != 0);
    for (int i = 0; i < MenuRecord::kItems; ++i) {
        items[static_cast<std::size_t>(i)]->setText(FromGbk(SlotBytes(m.item(i))));
        SetIndex(targets[static_cast<std::size_t>(i)], m.nextTarget(i));
    }
    showing = false;
}

void MenuPage::UpdateTransferCheck()
{
    const TransferCheck transfer = vosket::UpdateTransferCheck(menu(), work.system.formFilesOn() != 0);
    menu().passOn() = transfer.value;
    showing = true;
    checks[3]->setChecked(transfer.value != 0);
    showing = false;
    checks[3]->setEnabled(transfer.enabled);
}

void MenuPage::ResetMenus()
{
    for (MenuRecord& m : work.menus)
        ResetMenu(m);
    work.system.formFilesOn() = 0;
    work.currentMenu = 0;
}

void MenuPage::selectMenu(int index)
{
    if (index == work.currentMenu || index < 0)
        return;
    work.currentMenu = index;
    ShowMenuPage();
    UpdateTransferCheck();
}

void MenuPage::cutAndStore(QLineEdit* edit, qsizetype limit, TextSlot slot)
{
    if (showing)
        return;
    if (const auto cut = CutToBytes(edit->text(), limit)) {
        edit->setText(*cut); // the change this makes stores the cut text
        return;
    }
    SetSlotText(slot, edit->text());
}

} // namespace vosket
