// The copies of a CJK font: the same glyphs for the same ideographs, no glyph for the radicals,
// a family name of their own, and nothing read outside a broken file.
#include "platform/ui/fontcopy.h"
#include "tests/support/application.h"

#include <QFile>
#include <QGuiApplication>
#include <QRawFont>
#include <gtest/gtest.h>

namespace {

QByteArray notoSansCjk()
{
    QFile file("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "fonts-noto-cjk is installed with the programs";
    return file.readAll();
}

} // namespace

TEST(FontCopy, RadicalsLoseTheIdeographsGlyphsAndNothingElseChanges)
{
    testsupport::ensureApp<QGuiApplication>();
    const QByteArray original = notoSansCjk();
    const QByteArray copy = platform::withoutIdeographAliases(original);
    ASSERT_EQ(copy.size(), original.size());
    const QRawFont before(original, 12), after(copy, 12);
    ASSERT_TRUE(before.isValid() && after.isValid());
    const QString ideographs = QString::fromUtf8("入人日月毛页十长门车产品库重期第ABC12");
    EXPECT_EQ(after.glyphIndexesForString(ideographs), before.glyphIndexesForString(ideographs));
    for (const char32_t radical : { U'⼊', U'⼈', U'⽇', U'⽉', U'⽑', U'⻚', U'⼗' }) {
        EXPECT_TRUE(before.supportsCharacter(radical));
        EXPECT_FALSE(after.supportsCharacter(radical)) << quint32(radical);
    }
    EXPECT_EQ(platform::withoutIdeographAliases(copy), copy) << "a second pass changes nothing";
}

TEST(FontCopy, AFamilyOfItsOwn)
{
    testsupport::ensureApp<QGuiApplication>();
    const QByteArray copy
        = platform::withFamilyPrefix(notoSansCjk(), QLatin1StringView("Noto"), QLatin1StringView("Text"));
    const QRawFont font(copy, 12);
    ASSERT_TRUE(font.isValid());
    EXPECT_EQ(font.familyName(), "Text Sans CJK JP");
    EXPECT_EQ(font.glyphIndexesForString("入库"), QRawFont(notoSansCjk(), 12).glyphIndexesForString("入库"));
    EXPECT_TRUE(
        platform::withFamilyPrefix(copy, QLatin1StringView("Text"), QLatin1StringView("Longer")).isEmpty());
}

TEST(FontCopy, DataThatIsNoFontGivesNothing)
{
    const QByteArray original = notoSansCjk();
    EXPECT_TRUE(platform::withoutIdeographAliases({}).isEmpty());
    EXPECT_TRUE(platform::withoutIdeographAliases("not a font at all").isEmpty());
    EXPECT_TRUE(platform::withoutIdeographAliases(original.left(4096)).isEmpty()) << "tables cut off";
    QByteArray garbled = original;
    for (qsizetype i = 12; i < 4096; i += 7)
        garbled[i] = char(0xFF);
    EXPECT_TRUE(platform::withoutIdeographAliases(garbled).isEmpty());
    EXPECT_TRUE(
        platform::withFamilyPrefix(garbled, QLatin1StringView("Noto"), QLatin1StringView("Text")).isEmpty());
}
