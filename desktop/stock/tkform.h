#pragma once
// tkform "已出库货物退库操作": booked-out goods come back into stock on a return order, from the
// terminal's collected serial numbers or as a whole stock-out order chosen in the picker Frame2.
#include "desktop/stock/stockorderwindow.h"

class QDateEdit;
class QListWidget;
class QListWidgetItem;

namespace korvell {

class tkform : public StockOrderWindow {
    Q_OBJECT
public:
    explicit tkform(QWidget* parent = nullptr);

    // Text2: the stock-out order taken back whole; blank for an import of collected numbers.
    QString sourceOrder() const;

protected:
    void openOwnControls() override;
    void resizeEvent(QResizeEvent* event) override;
    std::optional<QStringList> serialsToImport() override;
    void clearOwnFields() override;
    void afterBooking(const BookingOutcome& outcome) override;

private:
    void Command3_Click();
    void Command4_Click();
    void fillPicker(const std::optional<QStringList>& lines);
    void List1_Click(QListWidgetItem* item);
    void Text2_Change();
    void placePicker();

    QLineEdit* Text2 = nullptr;
    QToolButton* Command3 = nullptr;
    QWidget* Frame2 = nullptr;
    QDateEdit *DTPicker1 = nullptr, *DTPicker2 = nullptr;
    QLineEdit* Text4 = nullptr;
    QListWidget* List1 = nullptr;
};

} // namespace korvell
