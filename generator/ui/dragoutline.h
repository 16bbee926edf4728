#pragma once
// The outline that follows the pointer while the terminal picture is dragged: a frame only, cut
// to its border by a window mask, so it works without a compositing window manager.
#include <QWidget>

namespace vosket {

class DragOutline final : public QWidget {
    Q_OBJECT
public:
    static constexpr int Thickness = 3;

    DragOutline();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace vosket
