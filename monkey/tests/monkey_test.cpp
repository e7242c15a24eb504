// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkey/script_generator.h"
#include "monkey/script_session.h"

#include "host/forms/controls.h"
#include "host/forms/event_loop.h"
#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/picture_area.h"
#include "host/forms/scroll_bar.h"
#include "host/numbers/fault.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

using host::ControlKind;

// A window with a button that yields for ever (until the program ends), one that faults, a
// text box, a scroll bar, a check box and a picture area.
class EndlessForm : public host::Form
{
public:
    EndlessForm()
        : host::Form("Form1", "Endless", 3000, 3000)
    {
        host::layOut(client(),
                     {
                         {"",
                          "hsbLevel",
                          ControlKind::HScrollBar,
                          "",
                          {120, 120, 1500, 240},
                          {},
                          0,
                          {-5, 10, 1, 5}},
                         {"", "chkSwitch", ControlKind::CheckBox, "Switch", {120, 480, 1500, 300}},
                         {"", "commRun", ControlKind::Button, "Run", {1800, 120, 900, 360}},
                         {"", "commFail", ControlKind::Button, "Fail", {1800, 600, 900, 360}},
                         {"", "txtValue", ControlKind::TextBox, "", {120, 900, 1500, 300}},
                         {"", "picArea", ControlKind::Picture, "", {120, 1500, 1500, 1500}},
                     });
        control<host::PictureArea>("picArea")->setScale(0, 10, 10, 0);
        host::onClick(control<QPushButton>("commRun"), [this] {
            while (host::yield())
                ++yields;
        });
        host::onClick(control<QPushButton>("commFail"), [] {
            throw host::Fault(host::Fault::Kind::Invalid, "The button always fails.");
        });
    }
    int yields = 0;
};

monkey::ScriptSession endlessSession()
{
    return monkey::ScriptSession([] { return std::make_unique<EndlessForm>(); });
}

TEST(ScriptSession, TheYieldBudgetEndsAnEndlessRunAndTheNextScriptStartsAfresh)
{
    auto session = endlessSession();
    const auto endless = session.run("click commRun\nclick commFail\n", 25);
    EXPECT_TRUE(endless.budgetSpent);
    // The windows closed, so the runner ran no further line and said so.
    EXPECT_EQ(endless.output.rfind("error: click commFail: the program ended", 0), 0u)
        << endless.output;

    const auto next = session.run("click commFail\ntype txtValue 5\nshow txtValue text\n", 25);
    EXPECT_FALSE(next.budgetSpent);
    EXPECT_EQ(next.exitCode, 0);
    EXPECT_EQ(next.output, "fault: The button always fails.\ntxtValue.text=5\n");
    EXPECT_TRUE(host::programEnding()) << "a finished script leaves no window loaded";
}

TEST(ScriptSession, PressesInsideTheYieldsOfARunAreCountedInItsBudget)
{
    auto session = endlessSession();
    const auto result = session.run("at-yield 3 click commFail\nclick commRun\n", 10);
    EXPECT_TRUE(result.budgetSpent);
    EXPECT_EQ(result.output, "fault: The button always fails.\n");
}

// A script may close the window during a run's yield and touch one of its controls in the
// same yield, which loads the window afresh: the run must end all the same, not go on with
// the state that went with the closed window.
TEST(ScriptSession, ARunEndsWhenItsWindowClosesAndLoadsAgainInOneYield)
{
    auto session = endlessSession();
    const auto result = session.run("at-yield 2 close Form1\nat-yield 2 show Form1.txtValue text\n"
                                    "click commRun\nclick commFail\n",
                                    1000);
    EXPECT_FALSE(result.budgetSpent);
    EXPECT_EQ(result.output, "Form1.txtValue.text=\nfault: The button always fails.\n");
}

TEST(ConfineFiles, FilesAScriptWritesLandInTheFolder)
{
    const QString folder = "/scratch";
    struct Case
    {
        const char *line, *confined;
    };
    const Case cases[] = {
        {"printto /home/user/page.pdf", "printto /scratch/page.pdf"},
        {"  printto   my page.pdf", "printto /scratch/page.pdf"},
        {"grab Form1 /etc/passwd", "grab Form1 /scratch/grab.png"},
        {"grab Form1 a b c", "grab Form1 /scratch/grab.png"},
        {"at-yield 3 printto x.pdf", "at-yield 3 printto /scratch/page.pdf"},
        {"at-yield 1 at-yield 2 grab picArea ../x.png",
         "at-yield 1 at-yield 2 grab picArea /scratch/grab.png"},
        // The runner takes the line of an at-yield after any blanks, tabs among them.
        {"at-yield \t1 \tprintto /etc/x", "at-yield \t1 printto /scratch/page.pdf"},
        // The runner reads the script as text and drops carriage returns first.
        {"pri\rntto /etc/x", "printto /scratch/page.pdf"},
        {"record ../lesson.reach-demo", "record /scratch/demo.nsd"},
        {"at-yield 1 play /etc/a b", "at-yield 1 play /scratch/demo.nsd"},
        {"realtime on", "# realtime"},
        {"at-yield 2 realtime on", "at-yield 2 # realtime"},
        // Lines that write nothing stay as they are.
        {"grab Form1", "grab Form1"},
        {"type txtValue printto x", "type txtValue printto x"},
        {"click commRun", "click commRun"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(monkey::confineFiles(c.line, folder).toStdString(), c.confined) << c.line;
    EXPECT_EQ(monkey::confineFiles("click a\nprintto b\n", folder).toStdString(),
              "click a\nprintto /scratch/page.pdf\n");
}

class Generator : public testing::Test
{
protected:
    Generator()
    {
        form.load();
        form.show();
        inventory = monkey::takeInventory("Form1");
    }
    ~Generator() override { form.close(); }

    EndlessForm form;
    monkey::Inventory inventory;
};

TEST_F(Generator, TheInventoryNamesEveryControlByWindowAndKind)
{
    std::set<std::pair<std::string, monkey::Control::Kind>> found;
    for (const auto &control : inventory.controls)
        found.insert({control.name.toStdString(), control.kind});
    using Kind = monkey::Control::Kind;
    const std::set<std::pair<std::string, Kind>> expected {
        {"Form1.hsbLevel", Kind::ScrollBar}, {"Form1.chkSwitch", Kind::CheckBox},
        {"Form1.commRun", Kind::Button},     {"Form1.commFail", Kind::Button},
        {"Form1.txtValue", Kind::TextBox},   {"Form1.picArea", Kind::Picture}};
    EXPECT_EQ(found, expected);
    for (const auto &control : inventory.controls) {
        if (control.kind == Kind::ScrollBar) {
            EXPECT_EQ(std::pair(control.minimum, control.maximum), std::pair(-5, 10));
        }
        if (control.kind == Kind::Picture) {
            EXPECT_EQ(control.area, QRectF(0, 0, 10, 10));
        }
    }
}

TEST_F(Generator, TheSameSeedGivesTheSameScriptAndAnotherSeedAnother)
{
    monkey::ScriptGenerator a(inventory, 7), b(inventory, 7), c(inventory, 8);
    const QStringList first = a.script(300);
    EXPECT_EQ(first, b.script(300));
    EXPECT_NE(first, c.script(300));
}

TEST_F(Generator, AScriptActsOnEveryControlWithLegalLinesAndClosesTheWindowLast)
{
    monkey::ScriptGenerator generator(inventory, 3);
    const QStringList lines = generator.script(2000);
    EXPECT_TRUE(lines.front().startsWith("clock "));
    EXPECT_TRUE(lines.back() == "close Form1" || lines[lines.size() - 2].endsWith("close Form1"));
    std::set<QString> named;
    const std::set<QString> commands {"click", "set",  "type",  "key",      "mouse",
                                      "menu",  "show", "close", "at-yield", "clock"};
    bool typedLong = false, typedWord = false, draggedOut = false, pressedInYield = false;
    for (const QString &line : lines) {
        QStringList words = line.split(' ');
        ASSERT_TRUE(commands.count(words[0])) << line.toStdString();
        if (words[0] == "at-yield") {
            pressedInYield = pressedInYield || words[2] == "click";
            words = words.mid(2);
        }
        if (words.size() > 1)
            named.insert(words[1]);
        if (words[0] == "set" && words[1] == "Form1.hsbLevel") {
            const int value = words[2].toInt();
            EXPECT_TRUE(value >= -5 && value <= 10) << line.toStdString();
        }
        if (words[0] == "type") {
            typedLong = typedLong || line.size() > 1000;
            typedWord = typedWord || line.contains("abc");
        }
        if (words[0] == "mouse" && words.size() == 5)
            draggedOut = draggedOut || words[3].toDouble() < 0 || words[3].toDouble() > 10;
    }
    for (const char *control : {"Form1.hsbLevel", "Form1.chkSwitch", "Form1.commRun",
                                "Form1.commFail", "Form1.txtValue", "Form1.picArea"})
        EXPECT_TRUE(named.count(control)) << control;
    EXPECT_TRUE(typedLong);
    EXPECT_TRUE(typedWord);
    EXPECT_TRUE(draggedOut);
    EXPECT_TRUE(pressedInYield);
}

TEST(UnclearReport, AcceptsClearReportsAndNamesWhatIsWrongWithOthers)
{
    const char *clear[] = {
        "fault: The number of epochs \"40000\" is too large: a run has at most 32767 epochs.",
        "fault: \"inf\" is not a number.",
        "message: NUMERAL IDENTIFIER NETWORK, version 1.0",
        "error: Form1.mnuPrint is disabled",
        "error: at-yield 3 click Form1.commRun: the script ended before that yield",
        ("error: click Form1.commRun: the program ended when its last window closed; this line "
         "and any after it were not run"),
        "Form1.txtValue.text=inf",
    };
    for (const char *line : clear)
        EXPECT_EQ(monkey::unclearReport(line).toStdString(), "") << line;
    const char *unclear[] = {
        "fault: ",
        "fault: The weight is inf.",
        "fault: The value nan cannot be drawn.",
        "fault: vector::_M_range_check: __n (which is 16) >= this->size() (which is 16)",
        "fault: The number of epochs is too large",
        "error: no control named Form1.commRun",
        "error: \"x\" is not a number",
    };
    for (const char *line : unclear)
        EXPECT_NE(monkey::unclearReport(line).toStdString(), "") << line;
    EXPECT_NE(monkey::unclearReport("fault: \"" + QString(1000, '9') + "\" is too large."), "");
}

} // namespace
