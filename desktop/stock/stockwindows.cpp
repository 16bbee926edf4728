#include "desktop/stock/stockwindows.h"

#include "desktop/frame/windowregistry.h"
#include "desktop/stock/rkform.h"

namespace korvell {

void registerStockWindows()
{
    registerWindow("rkform", Placement::MdiChild, [] { return new rkform; });
}

} // namespace korvell
