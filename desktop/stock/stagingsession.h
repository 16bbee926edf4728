#pragma once
// The stock-out or returns window's session over its order: the import (its checks, the staging,
// what it says), the undo of the order or one of its lines, a new order, and how the import and
// book buttons stand (whatever waits on the order may be booked). The generator, the
// collected-data file and the grids stay with the window.
#include "desktop/stock/ordersession.h"

#include <QStringList>
#include <optional>

namespace korvell {

class StagingSession {
public:
    explicit StagingSession(OrderSession& order)
        : order(order)
    {
    }

    struct Controls {
        bool importEnabled = false;
        bool bookEnabled = false;
    };
    // From the session alone, with the rights of the opening: a click asks again.
    [[nodiscard]] Controls controls() const;

    // An opening: import as the rights at the opening allow.
    void opened();

    // The checks before the collected numbers are read: an order number, the rights at this click,
    // the window's day (NewOrder: a new number was drawn, the grid is to be emptied).
    [[nodiscard]] OrderSession::Work startImport();
    // Stages the serial numbers on the order and says how it went.
    ImportOutcome import(const QStringList& serials);
    // Books what waits on the order; once nothing waits, the booked order stays shown without
    // import until a new order is started.
    BookingOutcome book(const QString& approver, const QString& customer, const QList<OrderLine>& lines);
    // A new order, refused (with the toast) while items wait or without the rights at this click.
    [[nodiscard]] bool mayStartNewOrder() const;
    // A new order was drawn (or none could be): import onto it, once it has a number.
    void newOrder();
    // Undoes the listed order (no serial) or one of its lines (an empty serial: none chosen). True
    // when the grid is to show the order again: it changed, or a statement failed while the
    // database answers, so the grid shows the true state.
    [[nodiscard]] bool undo(const std::optional<QString>& serial);

private:
    OrderSession& order;
    bool importOn = false;
};

} // namespace korvell
