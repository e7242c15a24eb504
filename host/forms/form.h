// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/event_loop.h"

#include <QMainWindow>

#include <stdexcept>

class QAction;
class QCloseEvent;
class QKeyEvent;
class QMenu;
class QPushButton;
class QShowEvent;

namespace host {

// A program window. It loads (running its load handler) once: before it is first shown, or
// when code first touches one of its controls while it is hidden. Closing it (or unload)
// runs its unload; a loaded form keeps the program running even while hidden, and the
// program ends when no form remains loaded. Controls are placed in twips on client(),
// whose size is the client area in twips; its back colour is the form's. A menu bar adds
// its height to the window, never taking it from the client area.
//
// The keyboard: the platform's Quit keys (Ctrl+Q) close every loaded form, which ends the
// program; its Close keys (Ctrl+W) close a form other than the main one. Every menu and menu
// item caption carries an Alt mnemonic ("&View"); one without is a programming error.
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

    // The program's start window, which Ctrl+W leaves open (Ctrl+Q ends the program).
    void setMainForm() { m_main = true; }
    bool isMainForm() const { return m_main; }
    // Enter on a control that does not take Enter itself (a text box, a check box, a scroll
    // bar) presses this button while it is enabled.
    void setDefaultButton(QPushButton *button) { m_defaultButton = button; }
    // The window may be resized, its client area not smaller than the given twips; the
    // client's controls are then placed by the form's own resizeEvent.
    void setResizable(int minimumWidthTwips, int minimumHeightTwips);
    // Loads the form and moves it beside another window on that one's screen: to its right
    // where the screen has room, else to its left, else against the screen's right edge.
    void placeBeside(const QWidget *other);

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
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fitToClient();
    // The menu bar takes the form's font, and the window its new height.
    void fitMenuBar();
    void addWindowKeys();

    QWidget *m_client;
    bool m_loaded = false;
    bool m_loadFailed = false;
    bool m_main = false;
    bool m_resizable = false;
    QSize m_openingClient;
    QPushButton *m_defaultButton = nullptr;
};

// Closes every loaded form, the main one first (its unload may close others), which ends the
// program.
void closeAllForms();

// The loaded form that holds a widget, loading it first when it is not loaded yet.
Form *touch(QWidget *control);

} // namespace host
