#include "desktop/stock/unstoredweights.h"

namespace korvell {

namespace {

    constexpr qsizetype named = 3;

} // namespace

QString UnstoredWeights::line() const
{
    const QString first = weights.mid(0, named).join("、");
    const QString which
        = weights.size() > named ? QString("等%1件").arg(weights.size()) : QStringLiteral("的");
    return "重量" + first + which + "货物没有保存，请重新称重！";
}

} // namespace korvell
