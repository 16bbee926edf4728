#pragma once
// The weighing station's session over its stock-in order: whether it weighs and from which
// source, the checks before a start, the question of a new order, an item stored making the
// order wait, the order to be booked after a stop, and the toolbar's whole-order and single-item
// actions (delete, restore, or release a resumed order of another day) with the modes, tooltips
// and icons of their two buttons. It says how the buttons and captions stand and which lines the
// grid is to show; the window shows that. The scale port and the simulation timer stay with the
// window.
#include "desktop/stock/ordergrid.h"
#include "desktop/stock/ordersession.h"

#include <QList>
#include <QString>
#include <optional>

namespace korvell {

class WeighingSession {
public:
    explicit WeighingSession(OrderSession& order)
        : order(order)
    {
    }

    // The toolbar's modes. They belong to the order whose lines and clicks set them: any other
    // order shown starts with both buttons in delete mode, whichever way it came.
    struct Modes {
        bool wholeRestore = false; // Command2(2) in restore mode (its tooltip)
        bool wholeRestoreIcon = false; // Command2(2) shows the restore icon
        bool itemRestore = false; // Command2(3) in restore mode (tooltip and icon)
    };
    // How the window's buttons stand.
    struct Controls : Modes {
        bool startEnabled = false;
        QString startCaption;
        bool bookEnabled = false;
    };
    // From the session alone, with the rights of the opening: a click asks again.
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
    // Refused: said why (rights, a choice: unchosen names it, no number). NewOrder: a new number
    // was drawn, the grid is to be emptied.
    using Start = OrderSession::Work;
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
    // Books the order's items (lines: as the grid lists them). Whoever holds them may book them.
    [[nodiscard]] BookingOutcome book(const QList<OrderLine>& lines);

    // The order's lines at the station, as the grid is to show them; the whole-order button
    // follows the item weighed first (the last line). Nothing when the query failed.
    [[nodiscard]] std::optional<OrderGridFill> loadOrder();
    // A row chosen in the grid: the single-item button follows its status.
    void rowChosen(const QString& status);
    // The whole-order button's click on a listed order: the lines to show after it, when it may
    // have changed them.
    [[nodiscard]] std::optional<OrderGridFill> editWholeOrder();
    // The single-item button's click on the item serial in grid row row; the lines to show after
    // it, when it may have changed them (the whole-order button keeps its mode).
    [[nodiscard]] std::optional<OrderGridFill> editItem(const QString& serial, int row);

private:
    Modes shownModes() const { return modesOrder == order.number() ? modes : Modes {}; }
    Modes& modesToSet();
    // A resumed order of another day whose lines were released: when none waits, the station
    // weighs again.
    void released();

    OrderSession& order;
    bool running = false;
    bool simulated = false;
    bool toBook = false; // stopped with items, or opened on a waiting order
    Modes modes;
    QString modesOrder;
};

} // namespace korvell
