#pragma once
// The seam through which every message box, input box and file dialog of both programs goes.
// The programs install the widget implementation at start; tests install a scripted one, so no
// test ever waits for a person.
#include <QString>
#include <optional>

namespace platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Critical, Question };
enum class Answer { Ok, Cancel, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon) = 0;
    // nullopt when the user cancels
    virtual std::optional<QString> input(const QString& prompt, const QString& title, const QString& preset)
        = 0;
    // Empty when the user cancels. filter is in Qt's form: "数据文件 (*.TXT)".
    virtual QString openFileName(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(
        const QString& title, const QString& folder, const QString& filter, const QString& defaultSuffix)
        = 0;
};

// The installed seam. Before one is installed every call answers Cancel / nothing and says so on
// stderr, so a forgotten installation shows up instead of blocking.
Dialogs& dialogs();
// Installs d (not owned; nullptr restores the default). Returns the previous one.
Dialogs* setDialogs(Dialogs* d);

} // namespace platform
