#include "desktop/stock/databasetrouble.h"

namespace korvell {

DatabaseTrouble troubleOf(const SqlResult& result)
{
    if (result.ok)
        return DatabaseTrouble::None;
    if (result.connectionLost)
        return DatabaseTrouble::Lost;
    return result.lockTimedOut ? DatabaseTrouble::Busy : DatabaseTrouble::Refused;
}

QString troubleText(DatabaseTrouble trouble)
{
    switch (trouble) {
    case DatabaseTrouble::None:
        break;
    case DatabaseTrouble::Refused:
        return QStringLiteral("数据库发生错误");
    case DatabaseTrouble::Busy:
        return QStringLiteral("数据被其他工作站占用");
    case DatabaseTrouble::Lost:
        return QStringLiteral("数据库连接中断");
    }
    return {};
}

} // namespace korvell
