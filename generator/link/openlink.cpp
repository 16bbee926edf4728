#include "generator/link/openlink.h"

#include "generator/link/comport.h"
#include "generator/link/ircradle.h"

namespace vosket {

std::unique_ptr<SerialLink> openLink(LinkEnvironment& env, const LinkSettings& settings, Adapter adapter,
    const LinkFailureTexts& texts, LinkFailure& failure)
{
    const QString caption = QStringLiteral("错误");
    auto fail = [&](LinkFailure cause, const QString& text, platform::Icon icon) {
        failure = cause;
        platform::dialogs().message(text, caption, platform::Buttons::Ok, icon);
        return nullptr;
    };
    const QString device = comPortDevice(settings.portIndex);
    QString why;
    std::unique_ptr<SerialLink> port = env.open(device, &why);
    if (!port) {
        qWarning("vosket: %s: %s", qPrintable(device), qPrintable(why));
        return fail(LinkFailure::Port, texts.portNotOpened, texts.portIcon);
    }
    LinkContext link { *port, env };
    if (adapter == Adapter::CradleIr && !SetupIrAdapter(link, settings.baudIndex)) {
        port.reset();
        return fail(LinkFailure::Adapter, texts.adapterNotSet, platform::Icon::None);
    }
    env.line.baud = baudRate(settings.baudIndex);
    if (!port->apply(env.line)) {
        port.reset();
        return fail(LinkFailure::Configuration, QStringLiteral("设置通讯状态出错"), platform::Icon::None);
    }
    failure = LinkFailure::None;
    return port;
}

} // namespace vosket
