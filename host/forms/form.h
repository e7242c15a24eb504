#pragma once

#include "host/forms/event_loop.h"

#include <QMainWindow>

#include <stdexcept>

class QAction;
class QCloseEvent;
class QMenu;
class QShowEvent;

namespace host {

// A program window. It loads (running its load handler) once: before it is first shown, or
// when code first touches one of its controls while it is hidden. Closing it (or unload)
// runs its unload; a loaded form keeps the program running even while hidden, and the
// program ends when no form remains loaded. Controls are placed in twips on client(),
// whose size is the client area in twips; its back colour is the form's. A menu bar adds
// its height to the window, never taking it from the client area.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    Form(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips,
         QWidget *parent = nullptr);
    ~Form() override;

    void load();
    void unload();
    bool isLoaded() const { return m_loaded; }
    // A fault escaped the load handler: the fault was reported, and a main form whose load
    // failed ends the program at once (the window would be half made).
    bool loadFailed() const { return m_loadFailed; }
    QWidget *client() const { return m_client; }

    // A control made by the layout table, by its name; a name the form lacks is a
    // programming error.
    template <typename Control> Control *control(const QString &name) const
    {
        auto *found = findChild<Control *>(name);
        if (!found)
            throw std::logic_error("no control " + name.toStdString() + " of that kind");
        return found;
    }

    QMenu *addMenu(const QString &name, const QString &caption);
    QAction *addMenuItem(QMenu *menu, const QString &name, const QString &caption);
    void addMenuSeparator(QMenu *menu, const QString &name);
    // An entry of the menu bar that is itself a command, with no menu below it.
    QAction *addMenuCommand(const QString &name, const QString &caption);

protected:
    virtual void formLoad() { }
    virtual void formUnload() { }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void fitToClient();

    QWidget *m_client;
    bool m_loaded = false;
    bool m_loadFailed = false;
};

// The loaded form that holds a widget, loading it first when it is not loaded yet.
Form *touch(QWidget *control);

} // namespace host
