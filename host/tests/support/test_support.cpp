// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/tests/support/test_support.h"

#include "host/forms/automation.h"

#include <QCheckBox>
#include <QFile>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <iostream>
#include <sstream>

namespace host::testing {

std::string runScriptLines(const std::string &lines, int *status)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("script.nss");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return "cannot write " + path.toStdString();
    file.write(lines.c_str());
    file.close();
    std::ostringstream captured;
    auto *saved = std::cout.rdbuf(captured.rdbuf());
    const int exitStatus = runScript(path);
    std::cout.rdbuf(saved);
    if (status)
        *status = exitStatus;
    return captured.str();
}

void clickIndicator(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const auto element = qobject_cast<QCheckBox *>(button) ? QStyle::SE_CheckBoxIndicator
                                                           : QStyle::SE_RadioButtonIndicator;
    QTest::mouseClick(button, Qt::LeftButton, {},
                      button->style()->subElementRect(element, &option, button).center());
}

std::optional<Fault::Kind> faultKind(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Fault &fault) {
        return fault.kind();
    }
    return std::nullopt;
}

PaintCounter::PaintCounter(QWidget *widget) { widget->installEventFilter(this); }

bool PaintCounter::eventFilter(QObject *, QEvent *event)
{
    paints += event->type() == QEvent::Paint;
    return false;
}

} // namespace host::testing
