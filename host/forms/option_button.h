// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRadioButton>

namespace host {

// An option button as the classic control has it: a click selects it, and a click on the
// selected one leaves it selected (and still runs its Click handlers), also when it is alone
// in its container. Only code deselects an option button (host::deselect).
class OptionButton : public QRadioButton
{
public:
    OptionButton(const QString &caption, QWidget *parent)
        : QRadioButton(caption, parent)
    {
    }

protected:
    void nextCheckState() override { setChecked(true); }
};

} // namespace host
