#include "platform/ui/fontcopy.h"

#include <QList>
#include <QtEndian>
#include <algorithm>
#include <optional>
#include <set>
#include <vector>

namespace platform {

namespace {

    constexpr quint32 collectionTag = 0x74746366; // "ttcf"
    constexpr quint32 cmapTag = 0x636D6170; // "cmap"
    constexpr quint32 nameTag = 0x6E616D65; // "name"
    constexpr quint32 faceVersions[] = { 0x00010000, 0x4F54544F /* "OTTO" */, 0x74727565 /* "true" */ };
    constexpr quint32 firstIdeograph = 0x3400;
    // Names that carry the family: family, full name, PostScript name, typographic and WWS family.
    const QList<quint16> familyNameIds { 1, 4, 6, 16, 21 };

    bool isIdeograph(quint32 c)
    {
        return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF);
    }

    // Big-endian reads and writes that never leave the data; a read outside gives nullopt.
    class Bytes {
    public:
        explicit Bytes(QByteArray& data)
            : data(data)
        {
        }
        std::optional<quint32> u32(qint64 at) const
        {
            if (!fits(at, 4))
                return std::nullopt;
            return qFromBigEndian<quint32>(data.constData() + at);
        }
        std::optional<quint8> u8(qint64 at) const
        {
            if (!fits(at, 1))
                return std::nullopt;
            return quint8(data[at]);
        }
        std::optional<quint16> u16(qint64 at) const
        {
            if (!fits(at, 2))
                return std::nullopt;
            return qFromBigEndian<quint16>(data.constData() + at);
        }
        void put32(qint64 at, quint32 v) { qToBigEndian(v, data.data() + at); }
        void put16(qint64 at, quint16 v) { qToBigEndian(v, data.data() + at); }
        void put8(qint64 at, quint8 v) { data[at] = char(v); }
        bool fits(qint64 at, qint64 size) const { return at >= 0 && size >= 0 && at + size <= data.size(); }

    private:
        QByteArray& data;
    };

    // Glyph numbers, as flags: which glyphs an ideograph is drawn with.
    using GlyphSet = std::vector<bool>;

    void mark(GlyphSet& set, quint32 glyph)
    {
        if (glyph > 0xFFFF)
            return; // no such glyph: glyph numbers have 16 bits
        if (glyph >= set.size())
            set.resize(glyph + 1);
        set[glyph] = true;
    }

    bool marked(const GlyphSet& set, quint32 glyph)
    {
        return glyph < set.size() && set[glyph];
    }

    // A format 12 subtable (segmented coverage): groups of consecutive characters on consecutive
    // glyphs, sorted by character.
    struct Group {
        quint32 first, last, glyph;
    };

    std::optional<std::vector<Group>> readGroups(const Bytes& b, qint64 at)
    {
        const auto count = b.u32(at + 12);
        if (!count || !b.fits(at + 16, qint64(*count) * 12))
            return std::nullopt;
        std::vector<Group> groups;
        groups.reserve(*count);
        for (quint32 i = 0; i < *count; ++i) {
            const qint64 g = at + 16 + qint64(i) * 12;
            const Group group { *b.u32(g), *b.u32(g + 4), *b.u32(g + 8) };
            if (group.last < group.first || group.last > 0x10FFFF
                || (!groups.empty() && group.first <= groups.back().last))
                return std::nullopt;
            groups.push_back(group);
        }
        return groups;
    }

    void ideographGlyphs(const std::vector<Group>& groups, GlyphSet& set)
    {
        for (const Group& g : groups)
            for (quint32 c = std::max(g.first, firstIdeograph); c <= std::min(g.last, quint32(0x9FFF)); ++c)
                if (isIdeograph(c))
                    mark(set, g.glyph + (c - g.first));
    }

    // Rewrites the groups without the aliases, in the subtable's own room.
    void dropAliases(Bytes& b, qint64 at, const std::vector<Group>& groups, const GlyphSet& ideographs)
    {
        std::vector<Group> kept;
        kept.reserve(groups.size());
        auto keep = [&kept](quint32 c, quint32 glyph) {
            if (!kept.empty() && kept.back().last + 1 == c
                && kept.back().glyph + (c - kept.back().first) == glyph)
                kept.back().last = c;
            else
                kept.push_back({ c, c, glyph });
        };
        for (const Group& g : groups) {
            if (g.first >= firstIdeograph) {
                kept.push_back(g);
                continue;
            }
            for (quint32 c = g.first; c <= g.last && c < firstIdeograph; ++c)
                if (!marked(ideographs, g.glyph + (c - g.first)))
                    keep(c, g.glyph + (c - g.first));
            if (g.last >= firstIdeograph)
                kept.push_back({ firstIdeograph, g.last, g.glyph + (firstIdeograph - g.first) });
        }
        if (kept.size() > groups.size())
            return; // no room to split groups; this table stays as it was
        b.put32(at + 12, quint32(kept.size()));
        for (size_t i = 0; i < kept.size(); ++i) {
            const qint64 g = at + 16 + qint64(i) * 12;
            b.put32(g, kept[i].first);
            b.put32(g + 4, kept[i].last);
            b.put32(g + 8, kept[i].glyph);
        }
    }

    // A format 4 subtable (the Basic Multilingual Plane by segments). Calls visit(character,
    // glyph, where) for each mapped character below limit; where is the glyph's entry in the
    // glyph array, or -1 when the segment computes its glyphs. False when the table is malformed.
    template <class Visit> bool walkSegments(const Bytes& b, qint64 at, quint32 limit, Visit visit)
    {
        const auto doubled = b.u16(at + 6);
        if (!doubled || *doubled % 2 || !b.fits(at + 16, qint64(*doubled) * 4))
            return false;
        const int segments = *doubled / 2;
        const qint64 ends = at + 14, starts = ends + *doubled + 2, deltas = starts + *doubled,
                     offsets = deltas + *doubled;
        for (int i = 0; i < segments; ++i) {
            const quint16 end = *b.u16(ends + 2 * i), start = *b.u16(starts + 2 * i),
                          delta = *b.u16(deltas + 2 * i), offset = *b.u16(offsets + 2 * i);
            for (quint32 c = start; c <= end && c < limit; ++c) {
                qint64 where = -1;
                quint16 glyph = quint16(c + delta);
                if (offset != 0) {
                    where = offsets + 2 * i + offset + 2 * qint64(c - start);
                    const auto entry = b.u16(where);
                    if (!entry)
                        return false;
                    if (*entry == 0)
                        continue;
                    glyph = quint16(*entry + delta);
                }
                visit(c, glyph, where);
            }
        }
        return true;
    }

    // Where the face's table tagged tag starts: nothing when the face has none, false when the
    // face's table directory is malformed.
    std::optional<std::optional<qint64>> tableOf(const Bytes& b, qint64 face, quint32 tag)
    {
        const auto version = b.u32(face);
        const auto tables = b.u16(face + 4);
        if (!version || !tables || !b.fits(face + 12, qint64(*tables) * 16)
            || std::find(std::begin(faceVersions), std::end(faceVersions), *version)
                == std::end(faceVersions))
            return std::nullopt;
        for (int i = 0; i < *tables; ++i)
            if (*b.u32(face + 12 + 16 * i) == tag)
                return std::optional<qint64>(*b.u32(face + 12 + 16 * i + 8));
        return std::optional<qint64>();
    }

    // The faces of a font file or collection; nothing when the data is no font.
    std::optional<std::vector<qint64>> facesOf(const Bytes& b)
    {
        const auto tag = b.u32(0);
        if (!tag)
            return std::nullopt;
        if (*tag != collectionTag)
            return std::vector<qint64> { 0 };
        const auto count = b.u32(8);
        if (!count || !b.fits(12, qint64(*count) * 4))
            return std::nullopt;
        std::vector<qint64> faces;
        for (quint32 i = 0; i < *count; ++i)
            faces.push_back(*b.u32(12 + 4 * qint64(i)));
        return faces;
    }

    // Applies change to every face; an empty copy when one of them is malformed.
    template <class Change> QByteArray changedFaces(const QByteArray& font, Change change)
    {
        QByteArray copy = font;
        Bytes b(copy);
        const auto faces = facesOf(b);
        if (!faces)
            return {};
        for (qint64 face : *faces)
            if (!change(b, face))
                return {};
        return copy;
    }

    // Takes the aliases out of one face's character maps; false when its tables are malformed.
    bool dropFaceAliases(Bytes& b, qint64 face, std::set<qint64>& done)
    {
        const auto found = tableOf(b, face, cmapTag);
        if (!found)
            return false;
        const std::optional<qint64> cmap = *found;
        if (!cmap)
            return true; // no character map, nothing to read back either
        const auto count = b.u16(*cmap + 2);
        if (!count)
            return false;
        std::vector<qint64> segmented, segmentMapped;
        for (int i = 0; i < *count; ++i) {
            const auto offset = b.u32(*cmap + 4 + 8 * i + 4);
            const auto format = offset ? b.u16(*cmap + *offset) : std::nullopt;
            if (!format)
                return false;
            const qint64 at = *cmap + *offset;
            if (*format == 12)
                segmented.push_back(at);
            else if (*format == 4)
                segmentMapped.push_back(at);
        }

        GlyphSet ideographs;
        std::vector<std::pair<qint64, std::vector<Group>>> groupTables;
        for (qint64 at : segmented) {
            auto groups = readGroups(b, at);
            if (!groups)
                return false;
            ideographGlyphs(*groups, ideographs);
            groupTables.emplace_back(at, std::move(*groups));
        }
        for (qint64 at : segmentMapped) {
            const bool read = walkSegments(b, at, 0xA000, [&](quint32 c, quint16 glyph, qint64) {
                if (isIdeograph(c))
                    mark(ideographs, glyph);
            });
            if (!read)
                return false;
        }

        for (const auto& [at, groups] : groupTables)
            if (done.insert(at).second)
                dropAliases(b, at, groups, ideographs);
        for (qint64 at : segmentMapped) {
            if (!done.insert(at).second)
                continue;
            // Only glyph-array entries can be cleared in place; computed glyphs stay mapped.
            walkSegments(b, at, firstIdeograph, [&](quint32, quint16 glyph, qint64 where) {
                if (where >= 0 && marked(ideographs, glyph))
                    b.put16(where, 0);
            });
        }
        return true;
    }

} // namespace

QByteArray withoutIdeographAliases(const QByteArray& font)
{
    std::set<qint64> done; // character maps shared by faces
    return changedFaces(font, [&done](Bytes& b, qint64 face) { return dropFaceAliases(b, face, done); });
}

QByteArray withFamilyPrefix(const QByteArray& font, QLatin1StringView from, QLatin1StringView to)
{
    if (from.size() != to.size())
        return {};
    return changedFaces(font, [from, to](Bytes& b, qint64 face) {
        const auto found = tableOf(b, face, nameTag);
        if (!found)
            return false;
        if (!*found)
            return true;
        const qint64 name = **found;
        const auto count = b.u16(name + 2);
        const auto strings = b.u16(name + 4);
        if (!count || !strings || !b.fits(name + 6, qint64(*count) * 12))
            return false;
        for (int i = 0; i < *count; ++i) {
            const qint64 record = name + 6 + 12 * i;
            const quint16 platformId = *b.u16(record), nameId = *b.u16(record + 6);
            const qint64 at = name + *strings + *b.u16(record + 10);
            if (!familyNameIds.contains(nameId) || !b.fits(at, *b.u16(record + 8)))
                continue;
            // Windows and Unicode names are UTF-16BE, Macintosh names one byte a character.
            const int width = platformId == 1 ? 1 : 2;
            if (*b.u16(record + 8) < from.size() * width)
                continue;
            bool starts = true;
            for (qsizetype c = 0; c < from.size() && starts; ++c)
                starts = (width == 1 ? quint16(*b.u8(at + c)) : *b.u16(at + 2 * c)) == from[c].unicode();
            for (qsizetype c = 0; c < to.size() && starts; ++c) {
                if (width == 1)
                    b.put8(at + c, quint8(to[c].unicode()));
                else
                    b.put16(at + 2 * c, quint16(to[c].unicode()));
            }
        }
        return true;
    });
}

} // namespace platform
