#pragma once
// The keys the simulator receives: the 20 keys of the terminal picture by their numbers there,
// and the restart that the editor's OK sends.
namespace vosket {

enum class Key : int {
    None = 0, // a press off the keys
    One = 1,
    Two = 2,
    Three = 3,
    Four = 4,
    Five = 5,
    Six = 6,
    Seven = 7,
    Eight = 8,
    Nine = 9,
    Mode = 10, // letters or digits
    Zero = 11,
    Menu = 12, // the popup menu
    Minus = 13,
    Up = 14,
    Down = 15,
    Point = 16,
    Escape = 17,
    Delete = 18,
    Enter = 19, // the left enter key
    RightEnter = 20,
    Restart = 51, // back to the main menu with line 1 highlighted
};

inline constexpr int FaceKeyCount = 20;

constexpr int KeyNumber(Key key)
{
    return static_cast<int>(key);
}

// The face key of a number 1-20.
constexpr Key FaceKey(int number)
{
    return static_cast<Key>(number);
}

// The face flips letters and digits on these keys while a field is typed.
constexpr bool SwitchesMode(Key key)
{
    return key == Key::Mode || key == Key::Escape;
}

} // namespace vosket
