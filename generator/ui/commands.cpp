#include "generator/ui/commands.h"

namespace vosket {
namespace {

    MenuEntry item(const char* text, int command, const char* keyHint = "")
    {
        return MenuEntry { MenuEntry::Item, QString::fromUtf8(text), QString::fromUtf8(keyHint), command,
            {} };
    }

    MenuEntry separator()
    {
        return MenuEntry { MenuEntry::Separator, {}, {}, 0, {} };
    }

    // The downloads and the collection each go through the cradle or an IrDA adapter.
    MenuEntry adapterSubmenu(const char* text, int irdaCommand)
    {
        return MenuEntry { MenuEntry::Submenu, QString::fromUtf8(text), {}, 0,
            { item("通过Cradle-IR...", irdaCommand + 1), item("通过IrDA...", irdaCommand) } };
    }

} // namespace

const std::vector<MenuEntry>& popupMenuLayout()
{
    static const std::vector<MenuEntry> layout = {
        item("新建", CmdNew, "Ctrl+N"),
        item("打开...", CmdOpen, "Ctrl+O"),
        item("保存", CmdSave, "Ctrl+S"),
        item("另存为...", CmdSaveAs),
        separator(),
        item("编辑", CmdEdit, "Ctrl+E"),
        item("设置COM口...", CmdComSettings),
        separator(),
        adapterSubmenu("下载应用程序", CmdDownloadProgramIrda),
        adapterSubmenu("下载索引文件", CmdDownloadLookupIrda),
        adapterSubmenu("收集数据", CmdCollectIrda),
        separator(),
        item("关于...", CmdAbout),
        item("退出", CmdExit, "Alt+F4"),
    };
    return layout;
}

} // namespace vosket
