#include "desktop/data/odbcstate.h"

#include <sqlext.h>

namespace korvell {

QString odbcSqlState(const QVariant& handle, OdbcHandle kind)
{
    if (!handle.isValid() || qstrcmp(handle.typeName(), "void*") != 0)
        return {};
    SQLHANDLE odbcHandle = *static_cast<SQLHANDLE const*>(handle.constData());
    if (!odbcHandle)
        return {};
    SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
    SQLINTEGER native = 0;
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH]; // not used, but some drivers want somewhere to write it
    SQLSMALLINT length = 0;
    const SQLSMALLINT type = kind == OdbcHandle::Connection ? SQL_HANDLE_DBC : SQL_HANDLE_STMT;
    const SQLRETURN answer
        = SQLGetDiagRec(type, odbcHandle, 1, state, &native, message, SQLSMALLINT(sizeof message), &length);
    // With info: the message was cut, the state is whole.
    if (answer != SQL_SUCCESS && answer != SQL_SUCCESS_WITH_INFO)
        return {};
    return QString::fromLatin1(reinterpret_cast<const char*>(state));
}

} // namespace korvell
