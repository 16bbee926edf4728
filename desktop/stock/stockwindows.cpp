#include "desktop/stock/stockwindows.h"

#include "desktop/frame/windowregistry.h"
#include "desktop/stock/ckform.h"
#include "desktop/stock/rkform.h"
#include "desktop/stock/tkform.h"

namespace korvell {

void registerStockWindows()
{
    registerWindow("rkform", Placement::MdiChild, [] { return new rkform; });
    registerWindow("ckform", Placement::MdiChild, [] { return new ckform; });
    registerWindow("tkform", Placement::MdiChild, [] { return new tkform; });
}

} // namespace korvell
