#include "host/forms/form.h"

#include "host/forms/automation.h"
#include "host/forms/events.h"
#include "host/forms/layout.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace host {

namespace {

int &loadedForms()
{
    static int count = 0;
    return count;
}

bool &ending()
{
    static bool flag = false;
    return flag;
}

} // namespace

Form::Form(const QString &name, int clientWidthTwips, int clientHeightTwips, QWidget *parent)
    : QMainWindow(parent)
    , m_client(new QWidget(this))
{
    setObjectName(name);
    m_client->setObjectName(name + ".client");
    m_client->setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);
}

Form::~Form()
{
    if (m_loaded)
        --loadedForms();
}

void Form::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    ++loadedForms();
    ending() = false;
    runHandler([this] { formLoad(); });
    setFixedSize(sizeHint());
}

void Form::unload() { close(); }

void Form::showEvent(QShowEvent *event)
{
    load();
    QMainWindow::showEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (m_loaded) {
        runHandler([this] { formUnload(); });
        m_loaded = false;
        if (--loadedForms() == 0) {
            ending() = true;
            QCoreApplication::quit();
        }
    }
    event->accept();
}

bool programEnding() { return ending(); }

bool yield()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    automation_detail::yieldReached();
    return !programEnding();
}

} // namespace host
