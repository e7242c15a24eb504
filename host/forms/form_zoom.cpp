// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A form's zoom and full screen, and the program's zoom that every form follows.

#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/help_page.h"
#include "host/forms/twips.h"
#include "host/forms/zoom.h"
#include "host/numbers/fault.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>

#include <string>

namespace host {

namespace {

struct ProgramZoom
{
    int percent = 100;
    bool remembered = false; // kept in the settings
};

ProgramZoom &programZoomState()
{
    static ProgramZoom state;
    return state;
}

QSettings settings() { return QSettings("neurosims", QCoreApplication::applicationName()); }

constexpr const char *zoomSetting = "view/zoom";

void checkZoomStep(int percent)
{
    if (isZoomStep(percent))
        return;
    std::string steps;
    for (int step : zoomSteps)
        steps += (steps.empty() ? "" : ", ") + std::to_string(step);
    throw Fault(Fault::Kind::Invalid,
                "A zoom of " + std::to_string(percent) + " % is not offered: the steps are " + steps
                    + " %.");
}

// What a window's frame adds to it before it was first shown (its margins are known after).
QSize frameMargins(const QWidget *window)
{
    if (window->isVisible())
        return window->frameGeometry().size() - window->size();
    return {16, 40};
}

QList<Form *> loadedForms()
{
    QList<Form *> forms;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<Form *>(window); form && form->isLoaded())
            forms.append(form);
    return forms;
}

} // namespace

void Form::setZoomPercent(int percent)
{
    checkZoomStep(percent);
    if (!m_fontKept) {
        m_fontAt100 = font();
        m_fontKept = true;
    }
    const double zoom = percent / 100.0;
    const QSize clientWas = m_client->size();
    const double ratio = zoom / (m_zoomPercent / 100.0);
    m_zoomPercent = percent;
    // One repaint of the window once everything is placed, not one per control.
    setUpdatesEnabled(false);
    setFont(zoomedFont(m_fontAt100, zoom));
    menuBar()->setFont(font());
    applyZoom(m_client, zoom);
    const QSize client(twipsToPixels(m_clientTwips.width(), zoom),
                       twipsToPixels(m_clientTwips.height(), zoom));
    if (m_resizable) {
        m_openingClient = client;
        m_client->setMinimumSize(twipsToPixels(m_minimumTwips.width(), zoom),
                                 twipsToPixels(m_minimumTwips.height(), zoom));
        if (testAttribute(Qt::WA_Resized) && !isPresenting())
            resize(size() - clientWas + clientWas * ratio);
    } else
        m_client->setFixedSize(client);
    fitToClient();
    setUpdatesEnabled(true);
    if (m_loaded)
        runHandler([this] { zoomChanged(); });
}

QSize Form::sizeAt100() const
{
    const double zoom = m_zoomPercent / 100.0;
    const int menu = menuBar()->isVisible() || !isVisible() ? menuBar()->sizeHint().height() : 0;
    return QSize(twipsToPixels(m_clientTwips.width()),
                 twipsToPixels(m_clientTwips.height()) + int(menu / zoom));
}

void Form::addPresentingKeys()
{
    m_leavePresenting = new QAction(this);
    m_leavePresenting->setShortcut(QKeySequence(Qt::Key_Escape));
    m_leavePresenting->setEnabled(false);
    connect(m_leavePresenting, &QAction::triggered, this, [this] { setPresenting(false); });
    addAction(m_leavePresenting);
}

void Form::setPresenting(bool on)
{
    if (on == isPresenting())
        return;
    if (on) {
        const QScreen *shown = screen() ? screen() : QGuiApplication::primaryScreen();
        const int fitting = fittingZoom(zoomSteps.back(), sizeAt100(), shown->geometry().size());
        m_stage = new QWidget;
        m_stage->setObjectName(objectName() + ".stage");
        m_stage->setAutoFillBackground(true);
        QPalette black = m_stage->palette();
        black.setColor(QPalette::Window, Qt::black);
        m_stage->setPalette(black);
        auto *centre = new QGridLayout(m_stage);
        centre->setContentsMargins(0, 0, 0, 0);
        takeCentralWidget();
        centre->addWidget(m_client, 0, 0, Qt::AlignCenter);
        setCentralWidget(m_stage);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_leavePresenting->setEnabled(true);
        setZoomPercent(fitting);
        // The whole screen also where no window manager makes a full screen window so.
        setGeometry(shown->geometry());
        showFullScreen();
    } else {
        QWidget *stage = takeCentralWidget();
        m_stage = nullptr;
        m_client->setParent(this);
        setCentralWidget(m_client);
        m_client->show(); // a widget given a new parent is hidden
        stage->deleteLater();
        m_leavePresenting->setEnabled(false);
        showNormal();
        setZoomPercent(programZoom());
    }
}

int programZoom() { return programZoomState().percent; }

void setProgramZoom(int percent)
{
    checkZoomStep(percent);
    programZoomState().percent = percent;
    for (Form *form : loadedForms()) {
        if (!form->isPresenting())
            form->setZoomPercent(percent);
        zoomHelpPage(*form, percent / 100.0);
    }
    if (programZoomState().remembered)
        settings().setValue(zoomSetting, percent);
}

void rememberZoom() { programZoomState().remembered = true; }

void openAtFittingZoom(Form &form)
{
    const int wanted = settings().value(zoomSetting, 100).toInt();
    const QScreen *shown = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    if (!shown)
        return;
    form.load();
    const QSize room = shown->availableGeometry().size() - frameMargins(&form);
    setProgramZoom(fittingZoom(isZoomStep(wanted) ? wanted : 100, form.sizeAt100(), room));
}

void addViewItems(Form &form)
{
    QMenu *view = form.addMenu("menView", "&View");
    if (!view->isEmpty())
        form.addMenuSeparator(view, "menZoomSeparator");
    QAction *zoomIn = form.addMenuItem(view, "menZoomIn", "Zoom &In");
    zoomIn->setShortcuts(QKeySequence::ZoomIn);
    onMenuClick(zoomIn, [] { setProgramZoom(zoomStepAbove(programZoom())); });
    QAction *zoomOut = form.addMenuItem(view, "menZoomOut", "Zoom &Out");
    zoomOut->setShortcuts(QKeySequence::ZoomOut);
    onMenuClick(zoomOut, [] { setProgramZoom(zoomStepBelow(programZoom())); });
    QAction *actual = form.addMenuItem(view, "menActualSize", "&Actual Size");
    actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    onMenuClick(actual, [] { setProgramZoom(100); });
    QAction *fullScreen = form.addMenuItem(view, "menFullScreen", "&Full Screen");
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (!keys.contains(QKeySequence(Qt::Key_F11)))
        keys.append(QKeySequence(Qt::Key_F11));
    fullScreen->setShortcuts(keys);
    onMenuClick(fullScreen, [&form] { form.setPresenting(!form.isPresenting()); });
}

} // namespace host
