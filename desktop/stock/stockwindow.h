#pragma once
// The shell the three stock windows share: the order's day, shown and changed only through the
// calendar, and its number; the operator, who follows the login; the receive lamp; the toolbar
// over the order grid (previous, next, delete or undo the order, delete or undo a line, print);
// the order grid with its totals and its print copy; filling the main window's client area. The
// three windows open, close, refuse and report alike through one order session and differ in data
// (StockWindowConfig) and in controls of their own.
#include "desktop/data/execsql.h"
#include "desktop/frame/openingwindow.h"
#include "desktop/stock/ordergrid.h"
#include "desktop/stock/ordersession.h"
#include "desktop/stock/ordersheet.h"

#include <QWidget>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace platform {
class Grid;
}

namespace korvell {

class ClientAreaFit;
class DropCalendar;

struct StockWindowConfig {
    const OrderKind& kind;
    const OrderGridLayout& grid;
    QString caption;
    QStringList toolTips; // Command2(0) to (4)
    QStringList totalLabels; // one per totals box
    OrderSheetLayout (*sheet)(const QStringList& totals); // the printed order
    QString reportCode; // the order's report template
};

class StockWindow : public OpeningWindow<QWidget> {
    Q_OBJECT
public:
    ~StockWindow() override;

    // 1 while items wait on the current order for booking; blocks closing, new orders, other days
    // and browsing.
    int hxsrk() const { return session.pending() ? 1 : 0; }
    QDate orderDay() const { return session.day(); }
    QString orderNumber() const { return session.number(); }

    // Refills the order grid and its totals with the current order's lines at this station; with
    // a status, only those in it. False, with grid and totals as they were, when the query failed.
    bool reloadOrderGrid(const QString& status = {});
    // The lines of the order grid as loaded (serial and status code).
    QList<OrderLine> orderLines() const;
    QStringList totals() const;

    std::array<QToolButton*, 5> Command2 {};
    platform::Grid* Grid1 = nullptr; // order lines
    platform::Grid* Grid2 = nullptr; // the print copy, never shown

protected:
    StockWindow(const StockWindowConfig& config, QWidget* parent);

    // The window's own controls at an opening, after the shared ones (lists, marks, boxes).
    virtual void openOwnControls() { }
    // What the window shows for the order it opened on (a new one, this station's waiting one, or
    // none when no number could be drawn), and its buttons as the rights at the opening allow.
    virtual void showOpenedOrder(OrderSession::Opening opening) = 0;
    // Whether the window keeps its order: items wait on it (rkform: or weighing runs).
    virtual bool holdsOrder() const { return session.pending(); }
    // Delete or undo the order (2) or a line (3), once today's date and the rights allow it.
    virtual void deleteOrUndo(int index) = 0;
    // The order grid after browsing to another order.
    virtual void showBrowsedOrder() { reloadOrderGrid(); }
    // What closing does besides (rkform: stops weighing).
    virtual void closing() { }
    // The order and every button as the sessions have them; shown whenever the order shown changes.
    virtual void showControls() = 0;

    // The order the session opens on: this station's waiting one or a new one.
    void openOrder();
    // Text1, Text3 and the delete buttons from the session.
    void showOrder();
    // The session's order as new: an empty order grid, totals "0", and its controls.
    void showNewOrder();
    // Shows the lines in the order grid and its totals; false, with both as they were, for none.
    bool showOrderLines(const std::optional<OrderGridFill>& fill);
    // The status cells of the booked lines (with a status, of those that were in it).
    void markBooked(const QStringList& serials, const QString& status = {});
    // Code-and-name list of a query's rows, with prompt shown until a pick.
    static void fillIdNameList(QComboBox* box, const SqlResult& rows, const QString& code,
        const QString& name, const QString& prompt);
    // The employees of a team (every employee for an empty team) as such a list.
    static void fillPeopleList(QComboBox* box, const QString& team, const QString& prompt);

    void Command2_Click(int index);
    void printOrder();
    // The exit button: closes the window's frame in the main window (the close guard applies).
    void exitWindow();

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    const StockWindowConfig& config;
    OrderSession session;
    QLineEdit *Text1 = nullptr, *Text3 = nullptr, *Text6 = nullptr;
    QList<QLineEdit*> Text8;
    QGroupBox* Frame1 = nullptr; // the totals
    std::array<QLabel*, 2> Imageonoff {}; // receive lamp: off, on
    DropCalendar* MonthView1 = nullptr;

private:
    void Form_Load() override;
    void layOutOrderGrid();
    void calendarChosen(const QDate& chosen);
    void browse(int step);
    void Grid2_AfterSort(int);

    ClientAreaFit* fitter = nullptr;
};

} // namespace korvell
