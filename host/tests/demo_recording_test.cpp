// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/automation.h"
#include "host/forms/demonstrations.h"
#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/layout_table.h"
#include "host/forms/messages.h"
#include "host/forms/session_file.h"
#include "host/tests/support/test_support.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using host::ControlKind;

// A small program: a button that asks a question, the form's default button that counts, a
// check box no handler reads until the count, a text box, and a menu item.
class DemoRecording : public testing::Test
{
protected:
    DemoRecording()
        : form("Probe", "probe", 6000, 3000)
    {
        host::layOut(form.client(),
                     {{.name = "cmdAsk",
                       .kind = ControlKind::Button,
                       .caption = "Ask",
                       .twips = {120, 120, 1200, 400}},
                      {.name = "cmdCount",
                       .kind = ControlKind::Button,
                       .caption = "Count",
                       .twips = {1500, 120, 1200, 400}},
                      {.name = "chkDouble",
                       .kind = ControlKind::CheckBox,
                       .caption = "Double",
                       .twips = {120, 700, 1500, 300}},
                      {.name = "txtStep",
                       .kind = ControlKind::TextBox,
                       .caption = "1",
                       .twips = {120, 1200, 1500, 300}}});
        form.setDefaultButton(form.control<QPushButton>("cmdCount"));
        host::onClick(form.control<QPushButton>("cmdAsk"), [this] {
            choice = host::askQuestion("Which?", {"&One", "&Two", "T&hree"}, 0, 0);
        });
        host::onClick(form.control<QPushButton>("cmdCount"), [this] {
            const int step = form.control<QLineEdit>("txtStep")->text().toInt();
            count += form.findChild<QCheckBox *>("chkDouble")->isChecked() ? 2 * step : step;
        });
        QAction *reset = form.addMenuItem(form.addMenu("mnuRun", "&Run"), "mnuReset", "&Reset");
        host::onMenuClick(reset, [this] { count = 0; });
        state.add("count", count);
        state.add("choice", choice);
        host::exposeState(state, &form);
        session = new host::SessionFile(form,
                                        {.program = "probe",
                                         .suffix = "probe-session",
                                         .state = &state,
                                         .opened = {},
                                         .together = {}});
        form.show();
    }

    QString file(const QString &name) const { return dir.path() + "/" + name; }

    host::Form form;
    host::StateRegistry state;
    host::SessionFile *session;
    int32_t count = 0;
    int32_t choice = -1;
    QTemporaryDir dir;
};

// Every kind of action is recorded once, in order, with the answer a question took before the
// click that asked it; Enter that presses the default button is the key alone.
TEST_F(DemoRecording, RecordsEachActionOnceAndReplaysToTheSameState)
{
    const std::string demo = file("probe.probe-demo").toStdString();
    const std::string printed = host::testing::runScriptLines(
        "record " + demo
        + "\nanswer 3\nclick cmdAsk\nmenu mnuReset\nclick chkDouble\n"
          "wait 2\ntype txtStep 5\nkey txtStep Enter\nsay Doubled.\nclick cmdCount\n"
          "stop-recording\nvar count\nvar choice");
    EXPECT_EQ(printed,
              "question: Which? [One/Two/Three] Three\nsay: Doubled.\ncount=20\n"
              "choice=2\n");
    QFile written(file("probe.probe-demo"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    const QString actions = text.mid(text.indexOf("end session\n") + 12);
    EXPECT_EQ(actions.toStdString(),
              "answer 3\nclick cmdAsk\nmenu mnuReset\nclick chkDouble\n"
              "wait 2.0\ntype txtStep 5\nkey txtStep Enter\nsay Doubled.\n"
              "click cmdCount\nend demonstration\n");

    host::testing::runScriptLines("menu mnuReset\nclick chkDouble\ntype txtStep 1");
    EXPECT_EQ(host::testing::runScriptLines("play " + demo + "\nvar count\nvar choice"),
              "question: Which? [One/Two/Three] Three\nsay: Doubled.\ncount=20\nchoice=2\n");
}

} // namespace
