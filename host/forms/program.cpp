#include "host/forms/program.h"

#include "host/forms/automation.h"
#include "host/forms/form.h"

#include <QApplication>

namespace host {

int exec(QApplication &app, Form &mainForm)
{
    // The classic look the forms are laid out for: small check and option indicators that
    // leave the captions their room, frame captions on the frame's border.
    if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        QApplication::setStyle("Windows");
    // The program ends when no form remains loaded, not when the last window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    mainForm.setMainForm();
    const QString script = qEnvironmentVariable("NEUROSIMS_SCRIPT");
    auto start = [&mainForm] {
        mainForm.load();
        if (mainForm.loadFailed())
            return false;
        mainForm.show();
        return true;
    };
    if (!script.isEmpty())
        return runScript(script, start);
    return start() ? app.exec() : 1;
}

} // namespace host
