#pragma once
// The yellow box in the middle of the screen that counts the records a collection has received.
// While one exists, the program's collections show it.
#include "generator/link/receivedcount.h"

#include <QWidget>

namespace vosket {

class ReceivedCountBox : public QWidget, public ReceivedCountView {
    Q_OBJECT
public:
    ReceivedCountBox();
    ~ReceivedCountBox() override;

    void prepare() override;
    void showCount(int count) override;
    void remove() override;

    QString text() const { return shown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shown;
};

} // namespace vosket
