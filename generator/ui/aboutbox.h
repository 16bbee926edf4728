#pragma once
// The about box. Only its button closes it: Escape and the window's close button do nothing.
#include <QDialog>

namespace vosket {

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    void reject() override { }
};

} // namespace vosket
