#include "calc/ui/form1.h"
#include "host/forms/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    calc::Form1 form;
    return host::exec(app, form);
}
