#include "host/forms/program.h"
#include "reach/ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    reach::Form1 form;
    return host::exec(app, form);
}
