// Korvell: the weighing-warehouse program. Starts at the login window; with --report-designer
// the login opens the report designer instead of the main window.
#include "apps/korvell/korvellwindows.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/programfolder.h"
#include "desktop/frame/exithook.h"
#include "desktop/frame/frmlogin.h"
#include "desktop/frame/msgfrm.h"
#include "desktop/frame/procedures.h"
#include "desktop/frame/programtitle.h"
#include "desktop/frame/singlecopy.h"
#include "desktop/frame/windowregistry.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/fonts.h"
#include "platform/ui/translations.h"
#include "platform/ui/widgetdialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <algorithm>
#include <cstring>

namespace {

// Answers --help (and ends there); true when the report designer is asked for.
bool readOptions(const QCoreApplication& app)
{
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Velmora电子称重仓库管理系统"));
    options.addHelpOption();
    const QCommandLineOption designer(QStringLiteral("report-designer"),
        QStringLiteral("After the login, open the report designer (报表设计器) instead of the main window; "
                       "closing it ends the program."));
    options.addOption(designer);
    options.process(app);
    return options.isSet(designer);
}

} // namespace

int main(int argc, char* argv[])
{
    // The help text needs no display, so it is answered before the windows' application exists.
    if (std::any_of(argv + 1, argv + argc,
            [](const char* a) { return !std::strcmp(a, "--help") || !std::strcmp(a, "-h"); })) {
        QCoreApplication console(argc, argv);
        readOptions(console);
        return 0;
    }
    QApplication app(argc, argv);
    const bool reportDesigner = readOptions(app);
    // The program ends only through ExitSystem, never because its last window was hidden.
    app.setQuitOnLastWindowClosed(false);
    platform::installChineseFontSubstitutes();
    platform::installChineseQtTranslations();
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(10);
    QApplication::setFont(font);

    platform::WidgetDialogs dialogs;
    platform::setDialogs(&dialogs);

    korvell::LoginState& state = korvell::loginState();
    state.myapppath = korvell::programFolder();

    korvell::SingleCopy running(state.myapppath);
    if (running.anotherRunning()) {
        platform::dialogs().message(QStringLiteral("程序已经运行！"), korvell::programTitle(),
            platform::Buttons::Ok, platform::Icon::Warning);
        return 0;
    }
    korvell::setExitHook([&running] { running.release(); });

    korvell::installToastWindow();
    korvell::registerKorvellWindows();
    if (reportDesigner) {
        korvell::setLoginHandover([] {
            QWidget* window = korvell::showWindow(QStringLiteral("frmreport"));
            // The designer stands in for the main window: closing it ends the program.
            window->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(window, &QObject::destroyed, [] { korvell::ExitSystem(); });
        });
    }
    korvell::showWindow(QStringLiteral("frmLogin"));
    return app.exec();
}
