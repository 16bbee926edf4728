#include "platform/ui/dialogs.h"

#include "platform/ui/seam.h"

#include <cstdio>

namespace platform {
namespace {

    // Answers like a user who cancels everything; says so, so a missing seam is noticed.
    class UninstalledDialogs final : public Dialogs {
    public:
        Answer message(const QString& text, const QString& title, Buttons buttons, Icon) override
        {
            report("message", title + ": " + text);
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
        }
        std::optional<QString> input(const QString& prompt, const QString& title, const QString&) override
        {
            report("input", title + ": " + prompt);
            return std::nullopt;
        }
        QString openFileName(const QString& title, const QString&, const QString&) override
        {
            report("open file", title);
            return {};
        }
        QString saveFileName(const QString& title, const QString&, const QString&, const QString&) override
        {
            report("save file", title);
            return {};
        }

    private:
        static void report(const char* kind, const QString& what)
        {
            std::fprintf(stderr, "no dialogs installed, %s cancelled: %s\n", kind, qUtf8Printable(what));
        }
    };

    UninstalledDialogs uninstalled;
    Seam<Dialogs> seam(uninstalled);

} // namespace

Dialogs& dialogs()
{
    return seam.get();
}

Dialogs* setDialogs(Dialogs* d)
{
    return seam.install(d);
}

} // namespace platform
