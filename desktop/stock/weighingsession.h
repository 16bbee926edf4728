#pragma once
// The weighing station's session over its stock-in order: whether it weighs and from which
// source, the checks before a start, the question of a new order, an item stored making the
// order wait, the order to be booked after a stop, and the delete/restore modes of the two
// toolbar buttons. It says how the buttons and captions stand; the window shows that in one
// place. The scale port and the simulation timer stay with the window.
#include "desktop/stock/ordersession.h"

#include <QList>
#include <QString>

namespace korvell {

class WeighingSession {
public:
    explicit WeighingSession(OrderSession& order)
        : order(order)
    {
    }

    // How the window's buttons stand.
    struct Controls {
        bool startEnabled = false;
        QString startCaption;
        bool bookEnabled = false;
        bool wholeRestore = false; // Command2(2) in restore mode
        bool itemRestore = false; // Command2(3) in restore mode
    };
    // Rights are read at each call: another user may have logged in.
    [[nodiscard]] Controls controls() const;

    bool weighing() const { return running; }
    bool simulating() const { return simulated; }
    // The window keeps its order: it weighs, or items wait on the order.
    bool holdsOrder() const { return running || order.pending(); }

    // An opening: idle, the buttons in delete mode; a resumed order waits for its booking.
    void opened(OrderSession::Opening opening);

    // A choice weighing needs, and its prompt, shown when it is not made.
    struct Choice {
        bool made = false;
        QString prompt;
    };
    enum class Start {
        Refused, // said why (rights, a choice: unchosen names it, no number)
        SameOrder,
        NewOrder, // a new number was drawn: the grid is to be emptied
    };
    // The checks before a start, and the question of a new order when the grid lists items.
    [[nodiscard]] Start start(const QList<Choice>& choices, bool listsItems, int* unchosen = nullptr);
    // Weighing runs from the simulation or the scale, once its source is open.
    void started(bool simulation);
    // Weighing ends (reason: why, when the scale went away); with items listed or waiting, the
    // order is to be booked before the next start.
    void stop(bool listsItems, const QString& reason = {});
    // Simulation on or off: not while weighing.
    [[nodiscard]] bool maySwitchSimulation() const;
    // An item is stored: the order waits for its booking.
    void stored() { order.setPending(true); }
    // Books the order's items (lines: as the grid lists them), with the rights of this click.
    [[nodiscard]] std::optional<BookingOutcome> book(const QList<OrderLine>& lines);
    // A resumed order's items were deleted: when none waits, the station weighs again.
    void released();

    void setWholeRestore(bool on) { wholeRestore = on; }
    void setItemRestore(bool on) { itemRestore = on; }
    bool wholeRestoring() const { return wholeRestore; }
    bool itemRestoring() const { return itemRestore; }

private:
    OrderSession& order;
    bool running = false;
    bool simulated = false;
    bool toBook = false; // stopped with items, or opened on a waiting order
    bool wholeRestore = false;
    bool itemRestore = false;
};

} // namespace korvell
