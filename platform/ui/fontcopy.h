#pragma once
// Copies of the installed CJK fonts for the programs' own use.
//
// CJK fonts draw the Kangxi and CJK radicals (U+2E80 to U+2FDF) with the very glyphs of the
// ideographs they look like: "⼊" U+2F0A and "入" U+5165 share one glyph. A PDF's text layer names
// each embedded glyph by one character, and Qt's PDF writer takes the lowest character that maps
// to it, so a printed "入库" reads back as "⼊库" and cannot be searched or copied. A copy of the
// font without those aliases prints the same shapes and reads back as printed.
#include <QByteArray>
#include <QLatin1StringView>

namespace platform {

// The font file or collection (TrueType/OpenType, .ttc included) with every character below the
// CJK ideographs that maps to an ideograph's glyph taken out of its character maps; glyphs and
// everything else are untouched. Empty when the data is not a font this understands.
QByteArray withoutIdeographAliases(const QByteArray& font);

// The font with the family, full and PostScript names that begin with from beginning with to
// instead (of the same length), so that the copy is a family of its own beside the installed
// font, which Qt would otherwise pick between at will. Empty when the data is no font.
QByteArray withFamilyPrefix(const QByteArray& font, QLatin1StringView from, QLatin1StringView to);

} // namespace platform
