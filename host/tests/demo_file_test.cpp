// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/demo_file.h"
#include "host/numbers/fault.h"

#include <gtest/gtest.h>

namespace host {
namespace {

const QString header = "# made by hand\ndemonstration reach 1\nclock 5\nsession\n{}\nend session\n";

std::string refusal(const QString &text)
{
    try {
        readDemonstration(text, "reach");
    } catch (const Fault &fault) {
        EXPECT_EQ(fault.kind(), Fault::Kind::File);
        return fault.what();
    }
    return "accepted";
}

// Each class of bad file is refused with the line and the fault, before anything runs.
TEST(DemoFile, RefusesBadFilesNamingTheLine)
{
    EXPECT_EQ(refusal("demonstration calc 1\nsession\n{}\nend session\nend demonstration\n"),
              "line 1: this demonstration was recorded in calc; it cannot drive reach");
    EXPECT_EQ(refusal("\n# comment\ndemonstration reach 2\nsession\n{}\nend session\n"),
              "line 3: the demonstration is of format 2, newer than this program reads (1 and "
              "older)");
    // Cut off inside the start state, and after some actions.
    EXPECT_EQ(refusal("demonstration reach 1\nsession\n{\n  \"program\": \"reach\""),
              "line 2: the file is cut off inside its start state (no end session)");
    EXPECT_EQ(refusal(header + "click commReach\nwait 1"),
              "line 8: the file ends without its end demonstration line: it is cut off");
    EXPECT_EQ(refusal(header + "click commReach\nfly away\nend demonstration\n"),
              "line 8: unknown command fly");
    // What a teacher cannot do at the window a demonstration cannot do either.
    EXPECT_EQ(refusal(header + "save /tmp/x\nend demonstration\n"),
              "line 7: save is no action a demonstration holds here");
    EXPECT_EQ(refusal(header + "at-yield 0 click commStop\nend demonstration\n"),
              "line 7: \"0\" is not a whole number from 1 to 1000000000");
    EXPECT_EQ(refusal(header + "ask Which? | only one\nend demonstration\n"),
              "line 7: ask needs a question and two to four answers, each after a |");
    EXPECT_EQ(refusal(header + "end demonstration\nclick commReach\n"),
              "line 8: there is more after end demonstration");
    EXPECT_EQ(refusal("click commReach\n"),
              "line 1: a demonstration starts with \"demonstration PROGRAM FORMAT\"");
}

// What the recorder writes reads back to the same steps: the waits before them, the answers
// and at-yield lines with the action they go before, a drag as one step.
TEST(DemoFile, WrittenTextReadsBackStepByStep)
{
    Demonstration written;
    written.program = "reach";
    written.clock = 41234.5;
    written.session = "{\n  \"program\": \"reach\"\n}";
    written.steps
        = {{{{0, 1.5, "click optTarget"}}},
           {{{0, 0, "mouse picture1 down 1 2"},
             {0, 0.3, "mouse picture1 move 3 4"},
             {0, 0, "mouse picture1 up 3 4"}}},
           {{{0, 2, "answer 2"}, {0, 0, "at-yield 3 click commStop"}, {0, 0, "click commReach"}}},
           {{{0, 0, "say The hand goes left."}}}};
    const QString text = demonstrationText(written);
    ASSERT_TRUE(isDemonstration(text));
    const Demonstration read = readDemonstration(text, "reach");
    EXPECT_EQ(read.clock, written.clock);
    EXPECT_EQ(read.session, written.session);
    ASSERT_EQ(read.steps.size(), written.steps.size());
    for (std::size_t i = 0; i < read.steps.size(); ++i) {
        ASSERT_EQ(read.steps[i].lines.size(), written.steps[i].lines.size()) << i;
        for (std::size_t j = 0; j < read.steps[i].lines.size(); ++j) {
            EXPECT_EQ(read.steps[i].lines[j].text, written.steps[i].lines[j].text);
            EXPECT_DOUBLE_EQ(read.steps[i].lines[j].waitBefore,
                             written.steps[i].lines[j].waitBefore);
        }
    }
    EXPECT_EQ(read.steps[2].lines[2].number, 18); // its line in the file, for the messages
}

} // namespace
} // namespace host
