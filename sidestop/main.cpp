#include "host/forms/program.h"
#include "sidestop/ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    sidestop::Form1 form;
    return host::exec(app, form);
}
