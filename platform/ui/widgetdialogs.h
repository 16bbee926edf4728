#pragma once
// The dialogs seam answered by real Qt dialogs; installed by the programs at start.
#include "platform/ui/dialogs.h"

namespace platform {

class WidgetDialogs final : public Dialogs {
public:
    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& preset) override;
    QString openFileName(const QString& title, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& folder, const QString& filter,
        const QString& defaultSuffix) override;
};

} // namespace platform
