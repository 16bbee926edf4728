#include "platform/ui/fonts.h"

#include <QFont>
#include <QStringList>

namespace platform {

void installChineseFontSubstitutes()
{
    // 宋体 draws its Latin letters and digits half a character wide, and the windows, labels and
    // sheets were laid out for that: a 16-digit serial number fills its 99-pixel column exactly.
    // Noto Sans Mono CJK keeps those widths; the other faces follow when it is missing.
    const QStringList songti { QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Noto Serif CJK SC"),
        QStringLiteral("Noto Sans CJK SC"), QStringLiteral("AR PL UMing CN") };
    QFont::insertSubstitutions(QStringLiteral("宋体"), songti);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), songti);
    QFont::insertSubstitutions(
        QStringLiteral("黑体"), { QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei") });
}

} // namespace platform
