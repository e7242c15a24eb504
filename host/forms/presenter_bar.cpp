// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/presenter_bar.h"

#include "host/forms/demo_player.h"
#include "host/forms/form.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace host {

namespace {

constexpr std::array<double, 7> speeds {0.5, 0.75, 1, 1.5, 2, 3, 4};

QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QString &tip)
{
    auto *made = new QPushButton(caption, parent);
    made->setObjectName(name);
    made->setToolTip(tip);
    made->setFocusPolicy(Qt::NoFocus); // Space and Right belong to the bar, not to a button
    return made;
}

QLabel *label(QWidget *parent, const QString &name)
{
    auto *made = new QLabel(parent);
    made->setObjectName(name);
    return made;
}

} // namespace

PresenterBar::PresenterBar(Form &form, DemoPlayer &player)
    : QToolBar(&form)
    , m_form(form)
    , m_player(player)
{
    setObjectName("presenterBar");
    setMovable(false);
    setFloatable(false);
    auto *strip = new QWidget(this);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 2, 4, 2);
    m_play = button(strip, "cmdDemoPlay", "Pause", "Play or pause the demonstration (Space)");
    m_next = button(strip, "cmdDemoNext", "Next", "Run the next action, then wait (Right)");
    m_slower = button(strip, "cmdDemoSlower", "\u2212", "Slower");
    m_speed = label(strip, "lblDemoSpeed");
    m_faster = button(strip, "cmdDemoFaster", "+", "Faster");
    m_progress = label(strip, "lblDemoProgress");
    m_caption = label(strip, "lblDemoCaption");
    m_caption->setWordWrap(true);
    m_speed->setMinimumWidth(m_speed->fontMetrics().horizontalAdvance("0.75\u00d7") + 8);
    m_speed->setAlignment(Qt::AlignCenter);
    m_stop = button(strip, "cmdDemoStop", "Stop", "Stop the demonstration here and go on by hand");
    for (QWidget *part :
         std::initializer_list<QWidget *> {m_play, m_next, m_slower, m_speed, m_faster, m_progress})
        row->addWidget(part);
    row->addWidget(m_caption, 1);
    row->addWidget(m_stop);
    addWidget(strip);

    connect(m_play, &QPushButton::clicked, this, [this] { m_player.playOrPause(); });
    connect(m_next, &QPushButton::clicked, this, [this] { m_player.next(); });
    connect(m_slower, &QPushButton::clicked, this, [this] { changeSpeed(-1); });
    connect(m_faster, &QPushButton::clicked, this, [this] { changeSpeed(1); });
    connect(m_stop, &QPushButton::clicked, this, [this] { m_player.stop(); });
    connect(&m_player, &DemoPlayer::changed, this, [this] { showState(); });
    auto key = [this](Qt::Key key, QPushButton *pressed) {
        auto *action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, pressed, &QPushButton::click);
        m_form.addAction(action);
        m_keys << action;
    };
    key(Qt::Key_Space, m_play);
    key(Qt::Key_Right, m_next);

    form.addToolBar(Qt::BottomToolBarArea, this);
    show();
    showState();
    fitWindow();
}

PresenterBar::~PresenterBar()
{
    for (QAction *key : m_keys)
        m_form.removeAction(key);
    hide();
    m_form.removeToolBar(this);
    fitWindow();
}

// A window of fixed size grows by the bar, and shrinks back when it goes.
void PresenterBar::fitWindow()
{
    if (m_form.minimumSize() != m_form.maximumSize())
        return;
    m_form.layout()->invalidate();
    m_form.layout()->activate();
    m_form.setFixedSize(m_form.sizeHint());
}

void PresenterBar::changeSpeed(int steps)
{
    const auto at = std::find(speeds.begin(), speeds.end(), m_player.speed());
    const auto index = std::clamp<std::ptrdiff_t>(
        (at == speeds.end() ? 2 : at - speeds.begin()) + steps, 0, speeds.size() - 1);
    m_player.setSpeed(speeds[std::size_t(index)]);
}

void PresenterBar::showState()
{
    const bool ended = m_player.isStopped() && m_player.stepsDone() > 0;
    m_play->setText(m_player.isPaused() ? "Play" : "Pause");
    m_play->setEnabled(!ended);
    m_next->setEnabled(!ended);
    m_speed->setText(QString::number(m_player.speed()) + "\u00d7");
    m_slower->setEnabled(m_player.speed() > speeds.front());
    m_faster->setEnabled(m_player.speed() < speeds.back());
    m_progress->setText(
        QStringLiteral("action %1 of %2").arg(m_player.stepsDone()).arg(m_player.stepCount()));
    m_caption->setText(m_player.caption());
}

} // namespace host
