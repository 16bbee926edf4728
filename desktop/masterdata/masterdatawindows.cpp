#include "desktop/masterdata/masterdatawindows.h"

#include "desktop/frame/windowregistry.h"
#include "desktop/masterdata/editorwindow.h"
#include "desktop/masterdata/usergroup.h"

namespace korvell {

void registerMasterDataWindows()
{
    for (const EditorConfig* config : { &jzformConfig(), &khformConfig(), &procformConfig(), &bzformConfig(),
             &employeeformConfig(), &useraddmdoConfig() }) {
        registerWindow(config->name, Placement::Modeless, [config] { return new EditorWindow(*config); });
    }
    registerWindow(QString::fromUtf8(groupRightsWindow), Placement::Modeless, [] { return new usergroup; });
}

} // namespace korvell
