// Vosket: the application generator for the 7300 terminal.
#include "generator/ui/mainwindow.h"
#include "platform/ui/widgetdialogs.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The terminal's texts name the Windows Chinese faces; Noto CJK draws them here.
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"));
    QFont::insertSubstitution(QStringLiteral("黑体"), QStringLiteral("Noto Sans CJK SC"));

    platform::WidgetDialogs dialogs;
    platform::setDialogs(&dialogs);

    vosket::MainWindow window;
    window.show();
    return app.exec();
}
