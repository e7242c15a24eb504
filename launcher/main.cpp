#include "launcher/launcher_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    launcher::LauncherWindow window(launcher::programs(launcher::builtPlaces()));
    window.show();
    return app.exec();
}
