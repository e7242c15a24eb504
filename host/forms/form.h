// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/event_loop.h"

#include <QFont>
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

    // The zoom in percent, one of zoomSteps (zoom.h): every control is placed again at it, the
    // window takes its new size, and zoomChanged() lets the program draw its displays again.
    // Another percentage is an Invalid fault.
    int zoomPercent() const { return m_zoomPercent; }
    void setZoomPercent(int percent);
    // Full screen: the client area centred on black at the largest step that fits the screen;
    // leaving it brings back the program's zoom.
    void setPresenting(bool on);
    bool isPresenting() const { return m_stage != nullptr; }
    // The size of the window at 100 %, its frame left out.
    QSize sizeAt100() const;

    // A menu the form has already (by its name), else a new one.
    QMenu *addMenu(const QString &name, const QString &caption);
    QAction *addMenuItem(QMenu *menu, const QString &name, const QString &caption);
    void addMenuSeparator(QMenu *menu, const QString &name);
    // An entry of the menu bar that is itself a command, with no menu below it.
    QAction *addMenuCommand(const QString &name, const QString &caption);

signals:
    // The load handler has run (also when it failed).
    void loaded();

protected:
    virtual void formLoad() { }
    virtual void formUnload() { }
    // After a zoom step: the program draws its displays again from its state.
    virtual void zoomChanged() { }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fitToClient();
    // The menu bar takes the form's font, and the window its new height.
    void fitMenuBar();
    void addWindowKeys();
    void addPresentingKeys();

    QWidget *m_client;
    bool m_loaded = false;
    bool m_loadFailed = false;
    bool m_main = false;
    bool m_resizable = false;
    QSize m_openingClient;
    QSize m_clientTwips;
    QSize m_minimumTwips;
    int m_zoomPercent = 100;
    QFont m_fontAt100;
    bool m_fontKept = false;
    QWidget *m_stage = nullptr; // holds the client area while presenting
    QAction *m_leavePresenting = nullptr;
    QPushButton *m_defaultButton = nullptr;
};

// The program's zoom: every loaded form and help page takes it, and a form loaded later too.
// Under a person's hand (rememberZoom) it is kept in the settings for the next start.
int programZoom();
void setProgramZoom(int percent);
void rememberZoom();
// Opens the main form at the remembered zoom, or at the largest step below it that fits the
// screen's available area.
void openAtFittingZoom(Form &form);
// View's zoom and full screen items, at the end of the form's View menu (made when missing).
void addViewItems(Form &form);

// Closes every loaded form, the main one first (its unload may close others), which ends the
// program.
void closeAllForms();

// The loaded form that holds a widget, loading it first when it is not loaded yet.
Form *touch(QWidget *control);

} // namespace host
