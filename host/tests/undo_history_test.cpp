// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/layout_table.h"
#include "host/forms/session_file.h"
#include "host/forms/undo_history.h"
#include "host/numbers/random.h"
#include "host/tests/support/test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace {

using host::ControlKind;
using host::testing::faultKind;

// A program whose LEARN button adds a random number to its weights and counts.
class Undo : public testing::Test
{
protected:
    Undo()
        : form("Probe", "probe", 6000, 3000)
    {
        host::layOut(form.client(),
                     {{.name = "commLearn",
                       .kind = ControlKind::Button,
                       .caption = "&LEARN",
                       .twips = {120, 120, 1500, 400}},
                      {.name = "chkOn",
                       .kind = ControlKind::CheckBox,
                       .caption = "On",
                       .twips = {120, 600, 1500, 300}},
                      {.name = "txtRate",
                       .kind = ControlKind::TextBox,
                       .caption = "0.5",
                       .twips = {120, 1000, 1500, 300}},
                      {.name = "hsbRate",
                       .kind = ControlKind::HScrollBar,
                       .twips = {120, 1500, 2000, 255},
                       .range = {.minimum = 0, .maximum = 100}}});
        state.add("weights", weights);
        state.add("count", count);
        form.addMenu("mnuHelp", "&Help");
        session = new host::SessionFile(form,
                                        {.program = "probe",
                                         .suffix = "probe-session",
                                         .state = &state,
                                         .opened = [this] { ++redraws; },
                                         .together = {}});
        host::onClick(learn(), [this] {
            weights[count % 2] += float(host::nextRandom());
            ++count;
        });
        host::onChange(form.control<QLineEdit>("txtRate"), [] {});
        host::onMouseUp(form.control<QCheckBox>("chkOn"), [](int, int, QPointF) {});
        host::onChange(form.control<host::ScrollBar>("hsbRate"), [] {});
    }

    QPushButton *learn() { return form.control<QPushButton>("commLearn"); }
    host::UndoHistory &history() { return session->undoHistory(); }
    QString undoCaption() { return history().undoItem()->text(); }
    std::string everything() const
    {
        host::StateRegistry controls = host::controlsRegistry(form.client());
        return host::sessionText("probe", {{"state", &state}, {"controls", &controls}})
            + std::to_string(host::randomState().word);
    }

    host::Form form;
    std::array<float, 2> weights {0.1f, -0.0f};
    int16_t count = 0;
    int redraws = 0;
    host::StateRegistry state;
    host::SessionFile *session = nullptr;
};

TEST_F(Undo, UndoAndRedoGiveBackTheValuesBeforeAndAfterExactly)
{
    // The Edit menu comes right of File.
    const auto menus = form.menuBar()->actions();
    ASSERT_GE(menus.size(), 3);
    EXPECT_EQ(menus[1]->menu()->objectName(), "mnuEdit");
    EXPECT_EQ(menus[2]->menu()->objectName(), "mnuHelp");
    EXPECT_FALSE(history().undoItem()->isEnabled());
    EXPECT_EQ(faultKind([&] { history().undo(); }), host::Fault::Kind::Invalid);

    QTemporaryDir dir;
    session->save(dir.filePath("a.probe-session"));
    const std::string before = everything();
    learn()->click();
    const std::string after = everything();
    ASSERT_NE(after, before);
    EXPECT_EQ(undoCaption(), "&Undo LEARN");
    history().undoItem()->trigger();
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(std::signbit(weights[1]));
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(form.isWindowModified()); // as any change marks it
    EXPECT_EQ(history().redoItem()->text(), "&Redo LEARN");
    EXPECT_FALSE(history().undoItem()->isEnabled());
    history().redoItem()->trigger();
    EXPECT_EQ(everything(), after);
    // The random generator came back too: learning again after Undo draws the same.
    history().undo();
    learn()->click();
    EXPECT_EQ(everything(), after);
}

TEST_F(Undo, TwentyActionsDeepAndANewActionClearsRedo)
{
    for (int i = 0; i < 25; ++i)
        learn()->click();
    for (int i = 0; i < host::UndoHistory::undoDepth; ++i)
        history().undo();
    EXPECT_EQ(count, 5);
    EXPECT_EQ(faultKind([&] { history().undo(); }), host::Fault::Kind::Invalid);
    history().redo();
    history().redo();
    EXPECT_EQ(count, 7);
    learn()->click();
    EXPECT_FALSE(history().redoItem()->isEnabled());
    EXPECT_EQ(faultKind([&] { history().redo(); }), host::Fault::Kind::Invalid);
    EXPECT_EQ(count, 8);
    // Opening a session is no action: both lists are cleared.
    QTemporaryDir dir;
    session->save(dir.filePath("b.probe-session"));
    session->open(dir.filePath("b.probe-session"));
    EXPECT_FALSE(history().undoItem()->isEnabled());
    EXPECT_EQ(undoCaption(), "&Undo");
}

TEST_F(Undo, OneGestureIsOneActionNamedByItsControl)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const std::string start = everything();
    auto *box = form.control<QLineEdit>("txtRate");
    QTest::keyClicks(box, "25");
    EXPECT_EQ(undoCaption(), "&Undo Typing in txtRate");
    auto *bar = form.control<host::ScrollBar>("hsbRate");
    for (int i = 1; i <= 3; ++i)
        bar->setValue(i);
    EXPECT_EQ(undoCaption(), "&Undo hsbRate");
    // Qt ticks the box before its handler runs: the tick is part of the action.
    host::testing::clickIndicator(form.control<QCheckBox>("chkOn"));
    EXPECT_EQ(undoCaption(), "&Undo On");
    history().undo();
    EXPECT_FALSE(form.control<QCheckBox>("chkOn")->isChecked());
    history().undo();
    EXPECT_EQ(bar->value(), 0);
    history().undo();
    EXPECT_EQ(everything(), start);
    EXPECT_FALSE(history().undoItem()->isEnabled());
}

TEST_F(Undo, WhatRunsInsideARunBelongsToTheRun)
{
    const std::string before = everything();
    host::runHandler(
        [&] {
            learn()->click(); // pressed while the run yields
            EXPECT_FALSE(history().undoItem()->isEnabled());
            EXPECT_EQ(faultKind([&] { history().undo(); }), host::Fault::Kind::Invalid);
            ++count;
        },
        {learn(), host::newGesture()});
    EXPECT_EQ(count, 2);
    history().undo();
    EXPECT_EQ(everything(), before);
}

} // namespace
