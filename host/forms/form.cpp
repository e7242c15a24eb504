// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/form.h"

#include "host/forms/control_helpers.h"
#include "host/forms/events.h"
#include "host/forms/keyboard_order.h"
#include "host/forms/loaded_forms.h"
#include "host/forms/messages.h"
#include "host/forms/twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace host {

namespace {

// A caption with an Alt mnemonic: an "&" before a character ("&&" is a plain ampersand).
bool hasMnemonic(const QString &caption)
{
    for (qsizetype at = caption.indexOf('&'); at >= 0 && at + 1 < caption.size();
         at = caption.indexOf('&', at + 2))
        if (caption[at + 1] != '&')
            return true;
    return false;
}

const QString &withMnemonic(const QString &caption)
{
    if (!hasMnemonic(caption))
        throw std::logic_error("the menu caption \"" + caption.toStdString()
                               + "\" has no Alt mnemonic");
    return caption;
}

template <typename Entry> Entry *named(Entry *entry, const QString &name)
{
    entry->setObjectName(name);
    return entry;
}

} // namespace

Form::Form(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips,
           QWidget *parent)
    : QMainWindow(parent)
    , m_client(new QWidget(this))
{
    setObjectName(name);
    setWindowTitle(caption);
    m_client->setObjectName(name + ".client");
    m_clientTwips = QSize(clientWidthTwips, clientHeightTwips);
    m_client->setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    setCentralWidget(m_client);
    // The classic face of forms and buttons until a form sets its own back colour.
    setColors(m_client, QColor(192, 192, 192));
    QPalette classic = palette();
    classic.setColor(QPalette::Window, QColor(192, 192, 192));
    classic.setColor(QPalette::Button, QColor(192, 192, 192));
    setPalette(classic);
    addWindowKeys();
    addPresentingKeys();
}

void Form::addWindowKeys()
{
    auto *quit = new QAction(this);
    quit->setProperty("host.quitKeys", true);
    // Ctrl+Q also where the platform's keys for Quit leave it out (Windows has none).
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (!quitKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Q)))
        quitKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcuts(quitKeys);
    connect(quit, &QAction::triggered, this, [] { closeAllForms(); });
    addAction(quit);
    auto *closeWindow = new QAction(this);
    closeWindow->setShortcuts(QKeySequence::Close);
    connect(closeWindow, &QAction::triggered, this, [this] {
        if (!m_main)
            close();
    });
    addAction(closeWindow);
}

Form::~Form()
{
    if (m_loaded)
        loadedForms().unloaded();
}

void Form::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    loadedForms().loaded();
    try {
        formLoad();
    } catch (const std::exception &fault) {
        m_loadFailed = true;
        reportFault(QString::fromUtf8(fault.what()));
    }
    // Controls the load handler made join the tab order too.
    arrangeForKeyboard(m_client);
    fitToClient();
    if (programZoom() != m_zoomPercent)
        setZoomPercent(programZoom());
    emit loaded();
}

void Form::fitToClient()
{
    // The client area keeps its size in twips; the window grows by its menu bar.
    if (!m_loaded || isPresenting())
        return;
    if (m_resizable) {
        // A window never sized by hand opens with the client area its table gives it.
        const QSize smallest = m_client->minimumSize();
        m_client->setMinimumSize(m_openingClient);
        const QSize opening = sizeHint();
        m_client->setMinimumSize(smallest);
        setMinimumSize(minimumSizeHint());
        if (!testAttribute(Qt::WA_Resized))
            resize(opening);
    } else
        setFixedSize(sizeHint());
}

void Form::setResizable(int minimumWidthTwips, int minimumHeightTwips)
{
    m_resizable = true;
    m_openingClient = m_client->size();
    m_minimumTwips = QSize(minimumWidthTwips, minimumHeightTwips);
    m_client->setMinimumSize(twipsToPixels(minimumWidthTwips, m_zoomPercent / 100.0),
                             twipsToPixels(minimumHeightTwips, m_zoomPercent / 100.0));
    m_client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    fitToClient();
}

void Form::placeBeside(const QWidget *other)
{
    const QRect anchor = other->frameGeometry();
    const QScreen *screen = other->screen();
    if (!screen)
        return;
    load(); // a form takes its size when it loads
    const QRect room = screen->availableGeometry();
    // Before the window is first shown its frame is unknown: take the other's margins.
    const QSize frame
        = isVisible() ? frameGeometry().size() : size() + (anchor.size() - other->size());
    const int gap = 4;
    int x = anchor.right() + 1 + gap;
    if (x + frame.width() - 1 > room.right()) {
        const int left = anchor.left() - gap - frame.width();
        x = left >= room.left() ? left : std::max(room.left(), room.right() + 1 - frame.width());
    }
    const int y = std::clamp(anchor.top(), room.top(),
                             std::max(room.top(), room.bottom() + 1 - frame.height()));
    move(x, y);
}

void Form::unload() { close(); }

QMenu *Form::addMenu(const QString &name, const QString &caption)
{
    if (auto *made = menuBar()->findChild<QMenu *>(name, Qt::FindDirectChildrenOnly))
        return made;
    QMenu *menu = named(menuBar()->addMenu(withMnemonic(caption)), name);
    fitMenuBar();
    return menu;
}

QAction *Form::addMenuItem(QMenu *menu, const QString &name, const QString &caption)
{
    return named(menu->addAction(withMnemonic(caption)), name);
}

void Form::addMenuSeparator(QMenu *menu, const QString &name) { named(menu->addSeparator(), name); }

QAction *Form::addMenuCommand(const QString &name, const QString &caption)
{
    QAction *item = named(menuBar()->addAction(withMnemonic(caption)), name);
    fitMenuBar();
    return item;
}

void Form::fitMenuBar()
{
    menuBar()->setFont(font());
    fitToClient();
}

void Form::showEvent(QShowEvent *event)
{
    load();
    QMainWindow::showEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (m_loaded) {
        if (m_mayClose && !m_mayClose()) {
            event->ignore();
            return;
        }
        runHandler([this] { formUnload(); }, {this, newGesture()});
        m_loaded = false;
        loadedForms().unloaded();
    }
    event->accept();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & ~Qt::KeypadModifier) && m_defaultButton
        && m_defaultButton->isEnabled() && m_defaultButton->isVisible()) {
        if (!event->isAutoRepeat())
            m_defaultButton->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void closeAllForms()
{
    QList<QPointer<Form>> forms;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<Form *>(window); form && form->isLoaded())
            forms.insert(form->isMainForm() ? 0 : forms.size(), form);
    for (const QPointer<Form> &form : forms)
        if (form && form->isLoaded() && !form->close())
            return;
}

Form *touch(QWidget *control)
{
    auto *form = qobject_cast<Form *>(control->window());
    if (form)
        form->load();
    return form;
}

} // namespace host
