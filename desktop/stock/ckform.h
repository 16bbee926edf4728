#pragma once
// ckform "货物出库功能": the warehouse clerk builds a stock-out order from the terminal's collected
// serial numbers, picks approver and customer, and books it out.
#include "desktop/stock/stockorderwindow.h"

namespace korvell {

class ckform : public StockOrderWindow {
    Q_OBJECT
public:
    explicit ckform(QWidget* parent = nullptr);

    // The customer as picked or typed (becomes ck_comp).
    QString customerName() const;
    // The print-at-once mark "★": print the stock-out note right after booking out.
    bool printAtOnce() const;

    // Order grid fills: after staging (status "31"), after booking ("10"), or every line.
    void LoadStockOutOrderGrid(const QString& status = {}) { reloadOrderGrid(status); }

protected:
    void openOwnControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QString customer() const override { return customerName(); }
    void clearOwnFields() override;
    void afterBooking(const BookingOutcome& outcome) override;

private:
    void Combo2_Search();
    void Command3_Click();
    void printflg_Click();

    QComboBox* Combo2 = nullptr;
    QToolButton* Command3 = nullptr;
    QLineEdit* printflg = nullptr;
};

} // namespace korvell
