#include "generator/ui/popupmenu.h"

#include "generator/ui/commands.h"

namespace vosket {
namespace {

    void addEntries(
        QMenu* menu, const std::vector<MenuEntry>& entries, const std::function<void(int)>& dispatch)
    {
        for (const MenuEntry& entry : entries) {
            switch (entry.kind) {
            case MenuEntry::Separator:
                menu->addSeparator();
                break;
            case MenuEntry::Submenu:
                addEntries(menu->addMenu(entry.text), entry.items, dispatch);
                break;
            case MenuEntry::Item: {
                // The tab puts the key hint in the menu's shortcut column, as a hint only: the
                // main window's accelerators do the work.
                const QString text = entry.keyHint.isEmpty() ? entry.text : entry.text + '\t' + entry.keyHint;
                QAction* action = menu->addAction(text);
                action->setData(entry.command);
                QObject::connect(action, &QAction::triggered, menu,
                    [dispatch, command = entry.command] { dispatch(command); });
                break;
            }
            }
        }
    }

} // namespace

QMenu* createPopupMenu(QWidget* parent, const std::function<void(int)>& dispatch)
{
    auto* menu = new QMenu(parent);
    addEntries(menu, popupMenuLayout(), dispatch);
    return menu;
}

} // namespace vosket
