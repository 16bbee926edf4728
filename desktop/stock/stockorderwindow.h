#pragma once
// The shell that the stock-out window (ckform) and the returns window (tkform) share: date and
// order number, approver, the order grid with its totals, the import error list with its enlarge
// and restore bars, the toolbar and the command buttons, filling the main window's client area.
// The two windows differ in data (OrderWindowConfig) and in a few controls of their own.
#include "desktop/stock/orderbooking.h"
#include "desktop/stock/orderkind.h"
#include "desktop/stock/ordergrid.h"
#include "desktop/stock/orderstaging.h"
#include "desktop/stock/ordersheet.h"

#include <QDate>
#include <QWidget>
#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolButton;
class QVBoxLayout;

namespace platform {
class Grid;
}

namespace korvell {

class ClientAreaFit;
class DropCalendar;

struct OrderWindowConfig {
    const OrderKind& kind;
    const OrderGridLayout& grid;
    QString caption;
    QString dayLabel, numberLabel, heading, approverLabel, errorListLabel;
    QStringList toolTips; // Command2(0) to (4)
    QStringList commands; // Command1(0) to (3): import, book, exit, new order
    QStringList totalLabels; // one per totals box
    std::optional<QString> (*nextNumber)(const QDate& day, const QString& station);
    OrderSheetLayout (*sheet)(const QStringList& totals); // the printed note
    QString reportCode; // the order's report template
};

class StockOrderWindow : public QWidget {
    Q_OBJECT
public:
    ~StockOrderWindow() override;

    // 1 while the current order holds staged items that are not booked; blocks closing.
    int hxsrk = 0;

    QDate orderDay() const { return day; }
    QString orderNumber() const; // Text1
    void setOrderNumber(const QString& number);
    // Draws the next order number of the order day into Text1; false when none could be made.
    bool drawOrderNumber();
    // The approver's name; empty while the prompt shows.
    QString approverName() const;
    // Refills the order grid and its totals with the current order's lines at this station;
    // with a status, only those in it. A failed query leaves both as they were.
    void reloadOrderGrid(const QString& status = {});
    // The lines of the order grid as loaded (serial and status code).
    QList<OrderLine> orderLines() const;
    QStringList totals() const;
    // Replaces the import error list.
    void setErrorList(const QList<ImportRejection>& rejections);
    bool errorListEnlarged() const { return enlarged; }

    // Controls, named as the window names them.
    std::array<QPushButton*, 4> Command1 {}; // import, book (starts disabled), exit, new order
    std::array<QToolButton*, 5> Command2 {}; // previous, next, undo order, undo line, print
    platform::Grid* Grid1 = nullptr; // order lines
    platform::Grid* Grid3 = nullptr; // import errors
    platform::Grid* Grid2 = nullptr; // the print copy, never shown

protected:
    explicit StockOrderWindow(const OrderWindowConfig& config, QWidget* parent = nullptr);

    // Where the windows put their own controls: left of the approver, left of the buttons.
    QHBoxLayout* headerRow() const { return header; }
    QHBoxLayout* footerRow() const { return footer; }

    // The window's own controls as an opening leaves them (after the shared ones).
    virtual void openOwnControls() { }

    // Button clicks: import, book, exit, new order; previous, next, undo order, undo line, print.
    void Command1_Click(int index);
    void Command2_Click(int index);

    // The serial numbers an import stages: the collected-data file's, after the generator ran.
    // Nothing, after the toast, when there is nothing to stage.
    virtual std::optional<QStringList> serialsToImport();
    // The customer booked with the order (stock-out only).
    virtual QString customer() const { return {}; }
    virtual void clearCustomer() { }
    // What follows a booking (stock-out: the note printed at once, the booked lines shown).
    virtual void afterBooking(const BookingOutcome&) { }

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    const OrderWindowConfig& config;
    QLineEdit *Text1 = nullptr, *Text3 = nullptr, *Text6 = nullptr;
    QList<QLineEdit*> Text8;
    QComboBox* Combo1_4 = nullptr;
    DropCalendar* MonthView1 = nullptr;

private:
    void layOut();
    void Form_Load();
    void layOutGrids();
    void fillApprovers();
    void Combo1_Click();
    void calendarChosen(const QDate& chosen);
    void setErrorListEnlarged(bool on);
    bool maySave() const;
    bool refusedWithoutRights();
    void importOrder(const std::optional<QStringList>& serials);
    void bookCurrentOrder();
    void startNewOrder();
    void browse(int step);
    void undoOrder();
    void undoLine();
    bool holdsStagedLines() const;
    void makePrintGrid();
    void printOrder();
    void Grid2_AfterSort(int);

    QScrollBar *FlatScrollBar1 = nullptr, *FlatScrollBar2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QHBoxLayout *header = nullptr, *footer = nullptr, *errorArea = nullptr;
    QVBoxLayout* page = nullptr;
    ClientAreaFit* fitter = nullptr;
    QDate day;
    bool freshOpen = true; // the next showing is an opening: today's date and a new order number
    bool enlarged = false;
};

} // namespace korvell
