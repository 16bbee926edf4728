#include "generator/ui/settingsrules.h"

#include <algorithm>

namespace vosket {

PasswordOutcome PasswordEdit(const QString& typed)
{
    const auto maxLength = static_cast<qsizetype>(SystemSettings::kPasswordMaxLength);
    const QString text = typed.left(maxLength + 1);
    if (text.size() > maxLength)
        return { text.left(maxLength), QString::fromUtf8(kPasswordTooLong), true };
    QString clean;
    for (QChar c : text) {
        if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
            clean += c;
    }
    if (clean != text)
        return { clean, QString::fromUtf8(kPasswordInvalid), true };
    return { text, QString(), false };
}

EditOutcome SettingsTimeEdit(const QString& text, unsigned limit)
{
    if (text.isEmpty())
        return { 1, std::nullopt };
    return NumberEdit(text, limit, QStringLiteral("1"));
}

QStringList FnFunctionNames()
{
    return { "空", "收集数据", "上传数据", "系统工具", "系统设置", "浏览数据", "删除数据", "读取测试",
        "设置日时", "下载程序", "内存&电池", "下载索引", "上传端口", "下载端口", "波特率", "背光", "数据删除",
        "记录提示", "查看设置" };
}

void ResetSystemSettings(SystemSettings& s)
{
    for (int i = 0; i < SystemSettings::kSecurityFlags; ++i)
        s.securityFlag(i) = 0;
    std::ranges::fill(s.password(), uint8_t { 0 });
    for (int i = 0; i < SystemSettings::kFnKeys; ++i)
        s.fnKey(i) = 0;
    s.uploadPort() = 0;
    ClearSlot(s.phoneNumber());
    s.downloadPort() = 0;
    s.linkBaud() = 0;
    s.backlight() = 0;
    s.backlightOffTime() = 2;
    s.eraseAfterUpload() = 0;
    s.recordPrompt() = 1;
    s.promptDuration() = 6;
}

void CopySettingsPageFields(const SystemSettings& from, SystemSettings& to)
{
    std::copy(from.bytes.begin() + kSettingsPageFirst, from.bytes.begin() + kSettingsPageEnd,
        to.bytes.begin() + kSettingsPageFirst);
}

} // namespace vosket
