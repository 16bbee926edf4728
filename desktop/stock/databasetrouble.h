#pragma once
// Why the database did not do what a stock window asked: it was out of reach, another session's
// lock outlasted the wait, or it refused the statement. A loop over items stops at the first of
// these, since the next item would fare no better, and says why in the system's words.
#include "desktop/data/execsql.h"

#include <QString>

namespace korvell {

struct DatabaseTrouble {
    enum Kind { None, Refused, Busy, Lost };
    DatabaseTrouble(Kind kind = None, QString words = {})
        : kind(kind)
        , words(std::move(words))
    {
    }
    bool operator==(Kind other) const { return kind == other; }

    Kind kind;
    QString words; // a refusal as ExecSQL told it (the database's words, or the program's own)
};

DatabaseTrouble troubleOf(const SqlResult& result);

// The database is away or locked: reading it again now would only wait again.
inline bool outOfReach(const DatabaseTrouble& trouble)
{
    return trouble == DatabaseTrouble::Lost || trouble == DatabaseTrouble::Busy;
}

// "数据库连接中断", "数据被其他工作站占用", "数据库发生错误: " and the refusal's words; empty for None.
QString troubleText(const DatabaseTrouble& trouble);

} // namespace korvell
