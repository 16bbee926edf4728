#pragma once
// The customer list of the stock-out window: the names of the customers whose name contains the
// typed text (all of them for an empty text), in name order.
#include <QStringList>
#include <optional>

namespace korvell {

// Nothing when the query failed (ExecSQL has shown why).
[[nodiscard]] std::optional<QStringList> customersContaining(const QString& text);

} // namespace korvell
