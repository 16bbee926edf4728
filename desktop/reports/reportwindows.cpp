#include "desktop/reports/reportwindows.h"

#include "desktop/frame/windowregistry.h"
#include "desktop/reports/frmreport.h"
#include "desktop/reports/kcqueryform.h"
#include "desktop/reports/querywindow.h"

namespace korvell {

void registerReportWindows()
{
    for (const QueryConfig* config : queryConfigs())
        registerWindow(config->name, Placement::Modeless, [config] { return new QueryWindow(*config); });
    registerWindow("kcqueryform", Placement::Modeless, [] { return new kcqueryform; });
    registerWindow(QStringLiteral("frmreport"), Placement::Modeless, [] { return new frmreport; });
}

} // namespace korvell
