#pragma once
// The kinds of database a connection can reach.

namespace korvell {

enum class Backend { SQLite, PostgreSQL, Odbc };

} // namespace korvell
