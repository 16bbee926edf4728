// Vosket: the application generator for the 7300 terminal.
#include "generator/ui/mainwindow.h"
#include "platform/ui/fonts.h"
#include "platform/ui/translations.h"
#include "platform/ui/widgetdialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::installChineseFontSubstitutes();
    platform::installChineseQtTranslations();

    platform::WidgetDialogs dialogs;
    platform::setDialogs(&dialogs);

    vosket::MainWindow window;
    window.show();
    return app.exec();
}
