#include "apps/korvell/korvellwindows.h"

#include "desktop/frame/framewindows.h"
#include "desktop/masterdata/masterdatawindows.h"
#include "desktop/reports/reportwindows.h"
#include "desktop/stock/stockwindows.h"

namespace korvell {

void registerKorvellWindows()
{
    registerFrameWindows();
    registerMasterDataWindows();
    registerStockWindows();
    registerReportWindows();
}

} // namespace korvell
