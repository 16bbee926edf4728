#pragma once
// The rights of the logged-in user's group on one window, as GetRights reads them: the query
// flag followed by the maintenance flag, each "1" (granted) or "0", a Null flag adding nothing;
// "10" (may look, may not change) when the window is not registered or the group has no row for
// it. Rights that could not be read grant nothing and refuse nothing: the database's toast has
// said why, and the next click asks again.
#include <QString>

namespace korvell {

// What a window says when a save is clicked without the maintenance right.
inline constexpr char noMaintenanceRightText[] = "您没有维护权限，不能保存！";

class Rights {
public:
    explicit Rights(QString code);
    static Rights unread();

    bool isRead() const { return read; }
    // Saving, weighing, importing, new orders: the maintenance right, "11" or "01". Any other code
    // ("0", "10", "00", empty, malformed) refuses, so a group row with nothing ticked grants nothing.
    bool mayChange() const;
    // Deleting and undoing: "11" only.
    bool mayDelete() const;
    // The group rights editor's save: "11", or the user "超级用户" whatever the rights.
    bool maySaveGroupRights(const QString& user) const;
    // Read, and saving is not granted: what disables a window's saving buttons.
    bool refusesChange() const { return read && !mayChange(); }
    // A click that changes data, without the maintenance right: true after the toast text / hint
    // (rights not read say nothing more: the database's toast has told why). False when granted.
    [[nodiscard]] bool deniesChangeSaying(const QString& text, const QString& hint = {}) const;

private:
    Rights() = default;

    QString code;
    bool read = false;
};

} // namespace korvell
