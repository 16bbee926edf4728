#include "platform/ui/fonts.h"

#include "platform/ui/fontcopy.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <fontconfig/fontconfig.h>

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

    // Copies of the installed Noto Sans CJK collections without the radicals that share the
    // ideographs' glyphs, as families of their own ("Text Sans CJK SC", "Text Sans Mono CJK SC");
    // once per program, they stay in memory. Whether any were installed.
    bool installCopiesWithoutIdeographAliases()
    {
        static const bool installed = [] {
            QStringList files = fontFiles("Noto Sans CJK SC") + fontFiles("Noto Sans Mono CJK SC");
            files.removeDuplicates();
            bool any = false;
            for (const QString& path : files) {
                QFile file(path);
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                const QByteArray copy = withFamilyPrefix(withoutIdeographAliases(file.readAll()),
                    QLatin1StringView("Noto"), QLatin1StringView("Text"));
                any = (!copy.isEmpty() && QFontDatabase::addApplicationFontFromData(copy) >= 0) || any;
            }
            return any;
        }();
        return installed;
    }

} // namespace

void installChineseFontSubstitutes()
{
    // Chinese text is printed with the copies; the installed faces follow when they are missing.
    const bool copies = installCopiesWithoutIdeographAliases();
    const auto first = [copies](const char* copy, QStringList families) {
        if (copies)
            families.prepend(QString::fromLatin1(copy));
        return families;
    };
    // 宋体 draws its Latin letters and digits half a character wide, and the windows, labels and
    // sheets were laid out for that: a 16-digit serial number fills its 99-pixel column exactly.
    // Noto Sans Mono CJK keeps those widths; the other faces follow when it is missing.
    const QStringList songti = first("Text Sans Mono CJK SC",
        { QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Noto Serif CJK SC"),
            QStringLiteral("Noto Sans CJK SC"), QStringLiteral("AR PL UMing CN") });
    QFont::insertSubstitutions(QStringLiteral("宋体"), songti);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), songti);
    QFont::insertSubstitutions(QStringLiteral("黑体"),
        first(
            "Text Sans CJK SC", { QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei") }));
    // The designer's page headers and footers ("第&P页 共&N页") are set in Courier New.
    QFont::insertSubstitutions(QStringLiteral("Courier New"), first("Text Sans Mono CJK SC", {}));
}

} // namespace platform
