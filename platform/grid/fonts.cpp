#include "platform/grid/fonts.h"

#include <QFont>
#include <QStringList>

namespace platform {

void installChineseFontSubstitutes()
{
    // Noto CJK first, then the other CJK families Debian ships.
    QFont::insertSubstitutions(QStringLiteral("宋体"),
        { QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("AR PL UMing CN") });
    QFont::insertSubstitutions(
        QStringLiteral("黑体"), { QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei") });
    QFont::insertSubstitutions(QStringLiteral("SimSun"),
        { QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC") });
}

} // namespace platform
