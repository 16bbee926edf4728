#pragma once
// A small terminal application as a user would make it in the editor: menu 1 leads to a form
// that counts goods (a number, a batch of letters, a remark over a continuation line) and passes
// its record on to a second form, which shows it and returns to the menu.
#include "generator/project/project.h"
#include "generator/project/textslot.h"
#include "generator/sim/formlayout.h"

namespace testsupport {

inline void DefineLine(vosket::FormRecord& form, int line, uint8_t type, const QString& prompt,
    uint8_t maxLength = 50, uint8_t minLength = 0)
{
    form.lineType(line) = type;
    vosket::SetSlotText(form.prompt(line), prompt);
    form.maxLength(line) = maxLength;
    form.minLength(line) = minLength;
}

inline void MakeDemoProject(vosket::Project& p)
{
    using namespace vosket;
    ResetBarcodeSettings(p.barcode);
    NewProject(p);
    p.system.startTarget() = 1;

    MenuRecord& menu = p.menus[0];
    menu.largeFont() = 0;
    menu.titleOn() = 1;
    SetSlotText(menu.title(), QStringLiteral("  [仓库盘点]"));
    SetSlotText(menu.item(0), QStringLiteral("1.盘点登记"));
    SetSlotText(menu.item(1), QStringLiteral("2.返回"));
    menu.nextTarget(0) = TargetCode::form(1).value;
    menu.nextTarget(1) = TargetCode::mainMenu().value;

    FormRecord& count = p.forms[0];
    count.largeFont() = 0;
    DefineLine(count, 0, kLineInteger, QStringLiteral("数量:"), 4, 1);
    DefineLine(count, 1, kLineLetters, QStringLiteral("批号:"), 6);
    count.inputMark(1) = '_';
    DefineLine(count, 2, kLineText, QStringLiteral("备注:"), 20);
    DefineLine(count, 3, kLineContinued, QString());
    DefineLine(count, 4, kLineCounter, QStringLiteral("记录:"));
    count.recordAction() = 3;
    count.escapeTarget() = TargetCode::menu(1).value;
    count.nextTarget() = TargetCode::form(2).value;

    FormRecord& shown = p.forms[1];
    shown.largeFont() = 0;
    DefineLine(shown, 0, kLinePrompt, QStringLiteral("上一笔:"));
    DefineLine(shown, 1, kLinePass, QString());
    DefineLine(shown, 2, kLineContinued, QString());
    DefineLine(shown, 3, kLineBoolean, QStringLiteral("确认(Y/N):"), 1, 1);
    shown.escapeTarget() = TargetCode::menu(1).value;
    shown.nextTarget() = TargetCode::menu(1).value;

    NormalizeForms(p);
    LayoutForms(p);
}

} // namespace testsupport
