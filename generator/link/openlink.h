#pragma once
// Opening and configuring the port for a download or a collection.
#include "generator/link/linkenvironment.h"

#include "platform/ui/dialogs.h"

#include <memory>

namespace vosket {

// The two users word their failures differently.
struct LinkFailureTexts {
    QString portNotOpened;
    platform::Icon portIcon;
    QString adapterNotSet;
};

enum class LinkFailure { None, Port, Adapter, Configuration };

// Opens the COM port of settings, sets up the cradle's adapter for Adapter::CradleIr, and applies
// the link speed with 8N1. On failure shows the message (caption "错误"), closes the port and
// returns nullptr with the cause in failure.
[[nodiscard]] std::unique_ptr<SerialLink> openLink(LinkEnvironment& env, const LinkSettings& settings,
    Adapter adapter, const LinkFailureTexts& texts, LinkFailure& failure);

} // namespace vosket
