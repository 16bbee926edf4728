// Whatever a terminal sends during a collection, line by line, with every expected sequence value.
#include "generator/link/recordline.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vosket::RecordLineReader reader;
    int expected = size > 0 ? data[0] % 10 : 0;
    for (size_t i = 0; i < size; ++i) {
        if (!reader.add(data[i]))
            continue;
        if (reader.line().size() > vosket::maxRecordLineBytes)
            std::abort();
        const vosket::RecordCheck check = vosket::checkRecord(reader.line(), reader.overflowed(), expected);
        if (check.verdict == vosket::RecordVerdict::New) {
            // The data lies inside the line, between the sequence byte and the sum.
            if (check.data.size() + 3 != reader.line().size()
                || check.data.data() != reader.line().data() + 1)
                std::abort();
            expected = (expected + 1) % 10;
        }
        reader.clear();
    }
    return 0;
}
