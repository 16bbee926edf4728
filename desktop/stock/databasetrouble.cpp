#include "desktop/stock/databasetrouble.h"

namespace korvell {

DatabaseTrouble troubleOf(const SqlResult& result)
{
    if (result.ok)
        return DatabaseTrouble::None;
    if (result.connectionLost)
        return DatabaseTrouble::Lost;
    if (result.lockTimedOut)
        return DatabaseTrouble::Busy;
    return { DatabaseTrouble::Refused, result.error };
}

QString troubleText(const DatabaseTrouble& trouble)
{
    switch (trouble.kind) {
    case DatabaseTrouble::None:
        break;
    case DatabaseTrouble::Refused:
        // The reason as ExecSQL told it, so that a missing privilege or a full disk can be acted on.
        return trouble.words.isEmpty() ? QStringLiteral("数据库发生错误")
                                       : QStringLiteral("数据库发生错误: ") + trouble.words;
    case DatabaseTrouble::Busy:
        return QStringLiteral("数据被其他工作站占用");
    case DatabaseTrouble::Lost:
        return QStringLiteral("数据库连接中断");
    }
    return {};
}

} // namespace korvell
