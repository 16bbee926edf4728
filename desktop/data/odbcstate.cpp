#include "desktop/data/odbcstate.h"

#include <dlfcn.h>

namespace korvell {

QString odbcSqlState(const QVariant& handle, OdbcHandle kind)
{
    // SQLGetDiagRec(HandleType, Handle, RecNumber, Sqlstate, NativeError, MessageText, BufferLength,
    // TextLength), in the types of unixODBC on this platform.
    using DiagRecord = short (*)(short, void*, short, unsigned char*, int*, unsigned char*, short, short*);
    static const auto diagRecord = [] {
        void* library = dlopen("libodbc.so.2", RTLD_NOW | RTLD_NOLOAD);
        return library ? reinterpret_cast<DiagRecord>(dlsym(library, "SQLGetDiagRec")) : nullptr;
    }();
    if (!diagRecord || !handle.isValid() || qstrcmp(handle.typeName(), "void*") != 0)
        return {};
    void* odbcHandle = *static_cast<void* const*>(handle.constData());
    if (!odbcHandle)
        return {};
    unsigned char state[6] = {};
    int native = 0;
    unsigned char message[256]; // not used, but some drivers want somewhere to write it
    short length = 0;
    constexpr short success = 0;
    constexpr short successWithInfo = 1; // the message was cut
    const short answer
        = diagRecord(short(kind), odbcHandle, 1, state, &native, message, short(sizeof message), &length);
    if (answer != success && answer != successWithInfo)
        return {};
    return QString::fromLatin1(reinterpret_cast<const char*>(state));
}

} // namespace korvell
