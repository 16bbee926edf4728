#include "generator/project/gbk.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace vosket {
namespace {

    constexpr const char* kCodePage = "CP936";

    // One direction of glibc's iconv. Opening a conversion is far dearer than running one, so
    // each thread keeps its two open.
    class Converter {
    public:
        Converter(const char* to, const char* from)
            : cd(iconv_open(to, from))
        {
        }
        ~Converter()
        {
            if (valid())
                iconv_close(cd);
        }
        Converter(const Converter&) = delete;
        Converter& operator=(const Converter&) = delete;

        // Converts in as far as it goes, appending to out; returns how many input bytes are
        // left (0 when all were converted).
        qsizetype convert(QByteArrayView in, QByteArray& out)
        {
            char* src = const_cast<char*>(in.data());
            size_t srcLeft = static_cast<size_t>(in.size());
            if (!valid())
                return in.size();
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            while (srcLeft > 0) {
                char buffer[256];
                char* dst = buffer;
                size_t dstLeft = sizeof buffer;
                const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
                out.append(buffer, dst - buffer);
                if (r == static_cast<size_t>(-1) && errno != E2BIG)
                    break;
            }
            return static_cast<qsizetype>(srcLeft);
        }

    private:
        bool valid() const { return cd != reinterpret_cast<iconv_t>(-1); }
        iconv_t cd;
    };

    Converter& Encoder()
    {
        thread_local Converter c(kCodePage, "UTF-8");
        return c;
    }

    Converter& Decoder()
    {
        thread_local Converter c("UTF-8", kCodePage);
        return c;
    }

    // Length of the UTF-8 sequence that starts with byte b.
    qsizetype Utf8Length(uint8_t b)
    {
        return b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    }

} // namespace

QByteArray ToGbk(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    QByteArrayView rest(utf8);
    while (!rest.isEmpty()) {
        rest = rest.last(Encoder().convert(rest, out));
        if (!rest.isEmpty()) {
            // A character that CP936 does not have.
            out += '?';
            rest = rest.sliced(std::min(Utf8Length(static_cast<uint8_t>(rest[0])), rest.size()));
        }
    }
    return out;
}

QByteArray FitGbk(const QString& text, qsizetype maxBytes)
{
    QByteArray bytes = ToGbk(text);
    if (bytes.size() > maxBytes)
        bytes.truncate(SplitsDoubleByte(bytes, maxBytes) ? maxBytes - 1 : maxBytes);
    return bytes;
}

QString FromGbk(QByteArrayView bytes)
{
    QString out;
    while (!bytes.isEmpty()) {
        QByteArray utf8;
        bytes = bytes.last(Decoder().convert(bytes, utf8));
        out += QString::fromUtf8(utf8);
        if (!bytes.isEmpty()) {
            // An invalid or cut-off sequence: mark it and go on with the next byte.
            out += QChar::ReplacementCharacter;
            bytes = bytes.sliced(1);
        }
    }
    return out;
}

bool SplitsDoubleByte(QByteArrayView bytes, qsizetype n)
{
    qsizetype i = 0;
    while (i < n && i < bytes.size()) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        const auto next = i + 1 < bytes.size() ? static_cast<uint8_t>(bytes[i + 1]) : 0;
        const bool pair = b >= 0x81 && b <= 0xFE && next >= 0x40 && next <= 0xFE && next != 0x7F;
        i += pair ? 2 : 1;
    }
    return i > n;
}

} // namespace vosket
