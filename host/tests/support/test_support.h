// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/numbers/fault.h"

#include <QObject>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

class QAbstractButton;
class QWidget;

namespace host::testing {

// Runs script lines against the open windows, as a script file would, and returns what
// they printed; the script's exit status goes to status when given.
std::string runScriptLines(const std::string &lines, int *status = nullptr);

// A left click on a check box's or option button's indicator, where a user clicks it.
void clickIndicator(QAbstractButton *button);

// The kind of the fault an action raises, or nothing when it raises none.
std::optional<Fault::Kind> faultKind(const std::function<void()> &action);

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget);
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// A test of a program's window as a student sees it: the form shown and exposed, its
// controls found by name.
template <typename Form> class ShownForm : public ::testing::Test
{
protected:
    ShownForm()
    {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <typename Control> Control *control(const QString &name)
    {
        return form.template control<Control>(name);
    }

    Form form;
};

} // namespace host::testing
