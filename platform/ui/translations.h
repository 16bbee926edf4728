#pragma once
// Qt's own texts (message-box buttons, file dialogs, the overwrite question) in Chinese, whatever
// the machine's locale: both programs speak Chinese throughout. Called once, after the
// application object exists.
namespace platform {

// False when Qt's Chinese translation (qtbase_zh_CN) is not installed; Qt's English stays then.
bool installChineseQtTranslations();

} // namespace platform
