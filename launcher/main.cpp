#include "launcher/launcher_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    launcher::LauncherWindow window(launcher::programs(launcher::builtPlaces()));
    window.show();
    // NEUROSIMS_GRAB=FILE (tools/screenshots): the window as it first shows goes to a PNG file,
    // and the launcher ends.
    if (const QString file = qEnvironmentVariable("NEUROSIMS_GRAB"); !file.isEmpty()) {
        QApplication::processEvents();
        return window.grab().save(file) ? 0 : 1;
    }
    return app.exec();
}
