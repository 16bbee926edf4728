#include "platform/ui/fonts.h"

#include "platform/ui/ideographcmap.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <fontconfig/fontconfig.h>
#include <utility>

namespace platform {

namespace {

    // The files fontconfig holds the family in, every style.
    QStringList fontFiles(const char* family)
    {
        QStringList files;
        FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, family, nullptr);
        FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
        if (FcFontSet* set = pattern && objects ? FcFontList(nullptr, pattern, objects) : nullptr) {
            for (int i = 0; i < set->nfont; ++i) {
                FcChar8* file = nullptr;
                if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
                    files << QFile::decodeName(reinterpret_cast<const char*>(file));
            }
            FcFontSetDestroy(set);
        }
        if (objects)
            FcObjectSetDestroy(objects);
        if (pattern)
            FcPatternDestroy(pattern);
        return files;
    }

    // A family registered again under its own name takes the place of the installed file, for the
    // substitutes below and for every other font that falls back to it for Chinese text. Once per
    // program: the copies stay in memory.
    void installWithoutIdeographAliases()
    {
        static bool installed = false;
        if (std::exchange(installed, true))
            return;
        QStringList files = fontFiles("Noto Sans CJK SC") + fontFiles("Noto Sans Mono CJK SC");
        files.removeDuplicates();
        for (const QString& path : files) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray font = withoutIdeographAliases(file.readAll());
            if (!font.isEmpty())
                QFontDatabase::addApplicationFontFromData(font);
        }
    }

} // namespace

void installChineseFontSubstitutes()
{
    installWithoutIdeographAliases();
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
