// Korvell: the weighing-warehouse program. Starts at the login window.
#include "desktop/frame/exithook.h"
#include "desktop/frame/framewindows.h"
#include "desktop/data/loginstate.h"
#include "desktop/frame/msgfrm.h"
#include "desktop/data/programfolder.h"
#include "desktop/frame/programtitle.h"
#include "desktop/frame/singlecopy.h"
#include "desktop/frame/windowregistry.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/fonts.h"
#include "platform/ui/translations.h"
#include "platform/ui/widgetdialogs.h"

#include "desktop/masterdata/masterdatawindows.h"
#include "desktop/reports/reportwindows.h"
#include "desktop/stock/stockwindows.h"

#include <QApplication>
#include <QFont>

namespace {

void registerWindows()
{
    korvell::registerFrameWindows();
    korvell::registerMasterDataWindows();
    korvell::registerStockWindows();
    korvell::registerReportWindows();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
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
    registerWindows();
    korvell::showWindow(QStringLiteral("frmLogin"));
    return app.exec();
}
