#include "desktop/frame/toastmachine.h"

namespace korvell {

void ToastMachine::created(int screenHeight, int windowHeight)
{
    alive = true;
    screen = screenHeight;
    window = windowHeight;
    position = screen;
    slideOn = true;
    holdOn = true;
    slideElapsed = 0;
    holdElapsed = 0;
}

void ToastMachine::destroyed()
{
    alive = false;
    slideOn = false;
    holdOn = false;
}

void ToastMachine::show()
{
    slideOn = true;
    mybShow = true;
}

void ToastMachine::hide()
{
    if (!mybShow)
        return;
    slideOn = true;
    mybShow = false;
}

void ToastMachine::click()
{
    slideOn = true;
    mybShow = false;
}

void ToastMachine::switchHold(bool on)
{
    // Switching on a running timer does not restart its count.
    if (on && !holdOn)
        holdElapsed = 0;
    holdOn = on;
}

void ToastMachine::slideStep()
{
    if (mybShow) {
        switchHold(true);
        if (position > stopLine()) {
            position -= stepPixels;
        } else {
            position = stopLine();
            slideOn = false;
        }
    } else {
        switchHold(false);
        if (position < screen) {
            position += stepPixels;
        } else {
            position = screen;
            slideOn = false;
        }
    }
}

void ToastMachine::holdExpired()
{
    // The hold timer keeps running; the next slide-out step switches it off.
    slideOn = true;
    mybShow = false;
}

void ToastMachine::advance(int elapsedMs)
{
    if (!alive)
        return;
    // Walk the time in slide intervals so the two timers fire in their real order.
    while (elapsedMs > 0) {
        const int step = elapsedMs < slideIntervalMs ? elapsedMs : slideIntervalMs;
        elapsedMs -= step;
        if (holdOn) {
            holdElapsed += step;
            if (holdElapsed >= holdIntervalMs) {
                holdElapsed -= holdIntervalMs;
                holdExpired();
            }
        }
        if (slideOn) {
            slideElapsed += step;
            if (slideElapsed >= slideIntervalMs) {
                slideElapsed -= slideIntervalMs;
                slideStep();
            }
        } else {
            slideElapsed = 0;
        }
    }
}

} // namespace korvell
