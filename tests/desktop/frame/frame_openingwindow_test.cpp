// A window's opening step runs at the first showing after it was made or closed, never when it is
// shown again while open (a top-level window or a child of the main window's client area).
#include "desktop/frame/openingwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>
#include <gtest/gtest.h>

using korvell::OpeningWindow;

namespace {

class Counting final : public OpeningWindow<QWidget> {
public:
    int openings = 0;
    int activations = 0;
    bool refuseClose = false;

protected:
    void Form_Load() override { ++openings; }
    void Form_Activate() override { ++activations; }
    void closeEvent(QCloseEvent* event) override { event->setAccepted(!refuseClose); }
};

void activate(QWidget* window)
{
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activation);
}

} // namespace

TEST(OpeningWindow, OnlyAShowingAfterMakingOrClosingIsAnOpening)
{
    Counting window;
    window.show();
    EXPECT_EQ(window.openings, 1);

    window.show();
    window.showMinimized();
    window.showNormal();
    window.hide();
    window.show();
    window.resize(300, 200);
    activate(&window);
    EXPECT_EQ(window.openings, 1) << "shown again while open";
    EXPECT_EQ(window.activations, 1);

    window.refuseClose = true;
    EXPECT_FALSE(window.close());
    window.show();
    EXPECT_EQ(window.openings, 1) << "a refused close leaves it open";

    window.refuseClose = false;
    EXPECT_TRUE(window.close());
    window.show();
    EXPECT_EQ(window.openings, 2);
}

TEST(OpeningWindow, AChildOfTheClientAreaOpensOnlyAfterItsFrameClosed)
{
    QMdiArea area;
    area.show();
    auto* window = new Counting;
    QMdiSubWindow* frame = area.addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->show();
    EXPECT_EQ(window->openings, 1);

    frame->showMinimized();
    frame->showNormal();
    area.hide();
    area.show();
    EXPECT_EQ(window->openings, 1) << "restored inside the client area, or with it";

    EXPECT_TRUE(frame->close());
    frame->show();
    window->show();
    EXPECT_EQ(window->openings, 2);
}
