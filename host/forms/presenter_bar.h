// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QToolBar>

class QLabel;
class QPushButton;

namespace host {

class DemoPlayer;
class Form;

// The bar a replay is presented with, below the window's client area (no control of the
// window moves): Play/Pause (Space), Next action (Right), the speed from 0.5x to 4x, "action
// 7 of 23", the current caption, and Stop. It shows the player's state as it changes, and
// takes itself away (and the window its height) when it goes.
class PresenterBar : public QToolBar
{
public:
    PresenterBar(Form &form, DemoPlayer &player);
    ~PresenterBar() override;

private:
    void showState();
    void changeSpeed(int steps);
    void fitWindow();

    Form &m_form;
    DemoPlayer &m_player;
    QPushButton *m_play;
    QPushButton *m_next;
    QPushButton *m_slower;
    QPushButton *m_faster;
    QLabel *m_speed;
    QLabel *m_progress;
    QLabel *m_caption;
    QPushButton *m_stop;
    QList<QAction *> m_keys;
};

} // namespace host
