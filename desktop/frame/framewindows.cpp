#include "desktop/frame/framewindows.h"

#include "desktop/frame/frmabout.h"
#include "desktop/frame/frmgymm.h"
#include "desktop/frame/frmlogin.h"
#include "desktop/frame/mainfrm.h"
#include "desktop/frame/windowregistry.h"

namespace korvell {

void registerFrameWindows()
{
    registerWindow(QStringLiteral("frmLogin"), Placement::Modeless, [] { return new frmLogin; });
    registerWindow(QStringLiteral("mainfrm"), Placement::Modeless, [] { return new mainfrm; });
    registerWindow(QStringLiteral("frmgymm"), Placement::Modeless, [] { return new frmgymm; });
    registerWindow(QStringLiteral("frmAbout"), Placement::Modeless, [] { return new frmAbout; });
}

} // namespace korvell
