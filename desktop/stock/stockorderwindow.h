#pragma once
// The stock-out window (ckform) and the returns window (tkform) on the stock-window shell: the
// approver, the import error list with its enlarge and restore bars, and the command buttons
// (import, book, exit, new order). The two windows differ in data (OrderWindowConfig) and in a
// few controls of their own.
#include "desktop/stock/stagingsession.h"
#include "desktop/stock/stockwindow.h"

#include <optional>

class QHBoxLayout;
class QPushButton;
class QScrollBar;
class QVBoxLayout;

namespace korvell {

struct OrderWindowConfig {
    StockWindowConfig shell;
    QString dayLabel, numberLabel, heading, approverLabel, errorListLabel;
    QStringList commands; // Command1(0) to (3): import, book, exit, new order
};

class StockOrderWindow : public StockWindow {
    Q_OBJECT
public:
    ~StockOrderWindow() override;

    // The approver's name; empty while the prompt shows.
    QString approverName() const;
    // Replaces the import error list.
    void setErrorList(const QList<ImportRejection>& rejections);
    bool errorListEnlarged() const { return enlarged; }

    std::array<QPushButton*, 4> Command1 {}; // import, book (starts disabled), exit, new order
    platform::Grid* Grid3 = nullptr; // import errors

protected:
    explicit StockOrderWindow(const OrderWindowConfig& config, QWidget* parent = nullptr);

    // Where the windows put their own controls: left of the approver, left of the buttons.
    QHBoxLayout* headerRow() const { return header; }
    QHBoxLayout* footerRow() const { return footer; }

    // Button clicks: import, book, exit, new order.
    void Command1_Click(int index);

    // The serial numbers an import stages: the collected-data file's, after the generator ran.
    // Nothing, after the toast, when there is nothing to stage.
    virtual std::optional<QStringList> serialsToImport();
    // The customer booked with the order (stock-out only).
    virtual QString customer() const { return {}; }
    // The window's own fields that a new order or a booking empties.
    virtual void clearOwnFields() { }
    // What follows a booking that went through (stock-out: the note printed at once, the booked
    // lines shown; returns: the source order emptied).
    virtual void afterBooking(const BookingOutcome&) { }

    void openOwnControls() override;
    void showOpenedOrder(OrderSession::Opening opening) override;
    void deleteOrUndo(int index) override;
    // The order number and day, the import and book buttons as the sessions have them.
    void showControls() override;

private:
    void layOut(const OrderWindowConfig& config);
    void layOutErrorList();
    void fillApprovers();
    void Combo1_Click();
    void setErrorListEnlarged(bool on);
    void importOrder();
    void bookCurrentOrder();
    void startNewOrder();

    QComboBox* Combo1_4 = nullptr;
    QScrollBar *FlatScrollBar1 = nullptr, *FlatScrollBar2 = nullptr;
    QHBoxLayout *header = nullptr, *footer = nullptr, *errorArea = nullptr;
    QVBoxLayout* page = nullptr;
    bool enlarged = false;
    StagingSession staging { session };
};

} // namespace korvell
