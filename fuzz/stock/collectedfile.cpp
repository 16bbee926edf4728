// Any collected-data file: every serial number taken starts with "20", holds no line break and
// ends in no blank, and there are never more of them than lines.
#include "desktop/stock/collectedserials.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList serials = korvell::collectedSerials(content);
    if (serials.size() > content.count('\n') + 1)
        std::abort();
    for (const QString& s : serials) {
        if (!s.startsWith(QStringLiteral("20")) || s.contains(QChar('\n')) || s.endsWith(QChar(' '))
            || s.endsWith(QChar('\r')))
            std::abort();
    }
    return 0;
}
