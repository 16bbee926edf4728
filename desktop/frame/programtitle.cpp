#include "desktop/frame/programtitle.h"

namespace korvell {
namespace {

    QString& title()
    {
        static QString text = QStringLiteral("Velmora电子称重仓库管理系统");
        return text;
    }

} // namespace

QString programTitle()
{
    return title();
}

void setProgramTitle(const QString& text)
{
    title() = text;
}

} // namespace korvell
