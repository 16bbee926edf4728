#pragma once
// The settings page's and the system settings dialog's rules, without widgets: the password
// check, the two time edits, the reset and which bytes the page owns.
#include "generator/project/systemsettings.h"
#include "generator/ui/formrules.h"

#include <QString>
#include <QStringList>

namespace vosket {

inline constexpr char kPasswordTooLong[] = "密码过长!!!";
inline constexpr char kPasswordInvalid[] = "无效字符!!!";

// A change of the password edit: the text to store, the warning to show (empty: none) and
// whether the stored text must go back into the edit, which checks it once more.
struct PasswordOutcome {
    QString store;
    QString warning;
    bool replace = false;
};
PasswordOutcome PasswordEdit(const QString& text);

// "关闭背光如果空闲" (limit 9) and the prompt time (limit 99): an empty edit or text that is no
// number stores 1 (shown only when the edit is not empty); a number above limit is ignored.
EditOutcome SettingsTimeEdit(const QString& text, unsigned limit);

// The functions an FN key can have, by value: "空", "收集数据", ... "查看设置".
QStringList FnFunctionNames();

// "复位" of the settings page: flags, password and FN keys cleared, the link, backlight, erase
// and prompt settings to their defaults. Start, separators and the font flag are not touched.
void ResetSystemSettings(SystemSettings& s);

// The bytes the settings page and its dialog own, from uploadPort through fnKeyMap.
inline constexpr std::size_t kSettingsPageFirst = 5;
inline constexpr std::size_t kSettingsPageEnd = SystemSettings::kFnKeyMap + SystemSettings::kFnKeys;
void CopySettingsPageFields(const SystemSettings& from, SystemSettings& to);

} // namespace vosket
