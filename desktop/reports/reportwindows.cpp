#include "desktop/reports/reportwindows.h"

#include "desktop/frame/windowregistry.h"

namespace korvell {

void registerReportWindows()
{
}

} // namespace korvell
