#include "host/forms/program.h"
#include "somatomap/ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    somatomap::Form1 form;
    return host::exec(app, form);
}
