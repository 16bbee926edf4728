#pragma once
// The toast's movement as plain state: slide in, hold, slide out, parked. The toast window feeds it
// elapsed time and places itself where it says; tests feed it time directly.
namespace korvell {

class ToastMachine {
public:
    static constexpr int slideIntervalMs = 20;
    static constexpr int holdIntervalMs = 20000;
    static constexpr int stepPixels = 20; // 300 twips
    static constexpr int bottomGap = 53; // 800 twips above the bottom of the screen
    static constexpr int rightGap = 7; // 100 twips from the right edge

    // The window was created: parked below the screen, both timers running. The "meant to be
    // shown" flag survives from any earlier window.
    void created(int screenHeight, int windowHeight);
    // The window was closed from outside: timers stop, the flag stays.
    void destroyed();

    void show(); // a toast with a main line
    void hide(); // a toast with an empty main line
    void click(); // the user clicked the toast

    // Time passes; runs every slide step and hold expiry that falls due.
    void advance(int elapsedMs);

    bool exists() const { return alive; }
    bool meantToShow() const { return mybShow; }
    bool slideRunning() const { return slideOn; }
    bool holdRunning() const { return holdOn; }
    bool busy() const { return alive && (slideOn || holdOn); }
    int top() const { return position; }
    int stopLine() const { return screen - window - bottomGap; }

private:
    void slideStep();
    void holdExpired();
    void switchHold(bool on);

    bool alive = false;
    bool mybShow = false;
    bool slideOn = false;
    bool holdOn = false;
    int slideElapsed = 0;
    int holdElapsed = 0;
    int position = 0;
    int screen = 0;
    int window = 0;
};

} // namespace korvell
