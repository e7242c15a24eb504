// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/layout_table.h"
#include "host/forms/session_file.h"
#include "host/numbers/fault.h"
#include "host/numbers/random.h"
#include "host/numbers/session_document.h"
#include "host/tests/support/test_support.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <limits>

namespace {

using host::ControlKind;

// A small program: a float array with a range, a count, and one control of each kind.
class Sessions : public testing::Test
{
protected:
    Sessions()
        : form("Probe", "probe", 6000, 3000)
    {
        host::layOut(form.client(),
                     {{.name = "hsbRate",
                       .kind = ControlKind::HScrollBar,
                       .twips = {120, 120, 2000, 255},
                       .value = 5,
                       .range = {.minimum = 0, .maximum = 100}},
                      {.name = "chkOn",
                       .kind = ControlKind::CheckBox,
                       .caption = "On",
                       .twips = {120, 600, 1500, 300}},
                      {.name = "optA",
                       .kind = ControlKind::Option,
                       .caption = "A",
                       .twips = {120, 1000, 1000, 300},
                       .value = 1},
                      {.name = "optB",
                       .kind = ControlKind::Option,
                       .caption = "B",
                       .twips = {1200, 1000, 1000, 300}},
                      {.name = "txtRate",
                       .kind = ControlKind::TextBox,
                       .caption = "0.5",
                       .twips = {120, 1500, 1500, 300}}});
        state.add("weights", weights, host::withinRange("weights", -10, 10));
        state.add("count", count);
        session = new host::SessionFile(form,
                                        {.program = "probe",
                                         .suffix = "probe-session",
                                         .state = &state,
                                         .opened = {},
                                         .together = {}});
    }

    QString file(const QString &name) const { return dir.filePath(name); }
    std::string everything() const
    {
        host::StateRegistry controls = host::controlsRegistry(form.client());
        return host::sessionText("probe", {{"state", &state}, {"controls", &controls}})
            + std::to_string(host::randomState().word);
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    QTemporaryDir dir;
    host::Form form;
    std::array<float, 3> weights {0.1f, -0.0f, std::numeric_limits<float>::denorm_min()};
    int16_t count = 7;
    host::StateRegistry state;
    host::SessionFile *session = nullptr;
};

TEST_F(Sessions, OpeningGivesBackEveryValueExactly)
{
    form.control<QLineEdit>("txtRate")->setText("0.25 typed");
    form.control<QCheckBox>("chkOn")->setChecked(true);
    form.control<QRadioButton>("optB")->setChecked(true);
    form.control<host::ScrollBar>("hsbRate")->setValue(42);
    host::setRandomState({0xFEDCBA9876543210u});
    const std::string saved = everything();
    session->save(file("a.probe-session"));
    QFile text(file("a.probe-session"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QByteArray bytes = text.readAll();
    // A float as its own shortest text, not a double's.
    EXPECT_TRUE(bytes.contains("\"weights\": [0.1, -0, 1e-45]")) << bytes.toStdString();

    weights = {1, 2, 3};
    count = 0;
    form.control<QLineEdit>("txtRate")->clear();
    form.control<QRadioButton>("optA")->setChecked(true);
    form.control<host::ScrollBar>("hsbRate")->setValue(0);
    host::nextRandom();
    session->open(file("a.probe-session"));
    EXPECT_EQ(everything(), saved);
    EXPECT_TRUE(std::signbit(weights[1]));
    EXPECT_EQ(session->recentFiles().value(0),
              QFileInfo(file("a.probe-session")).absoluteFilePath());
    EXPECT_TRUE(form.windowTitle().startsWith("a.probe-session[*]"));
    EXPECT_FALSE(form.isWindowModified());
}

TEST_F(Sessions, TheFileMenuComesFirstAndMovesNoControl)
{
    host::Form plain("Plain", "plain", 6000, 3000);
    plain.addMenu("mnuHelp", "&Help");
    const QSize client = plain.client()->size();
    new host::SessionFile(plain,
                          {.program = "plain",
                           .suffix = "plain-session",
                           .state = &state,
                           .opened = {},
                           .together = {}});
    EXPECT_EQ(plain.menuBar()->actions().front()->menu()->objectName(), "mnuFile");
    EXPECT_EQ(plain.client()->size(), client);
    // The window's Quit keys move to the menu item: one action holds them, none is ambiguous.
    EXPECT_TRUE(plain.findChild<QAction *>("mnuQuit")->shortcuts().contains(
        QKeySequence(Qt::CTRL | Qt::Key_Q)));
}

// Each refusal names the file and what is wrong, and leaves the state and the file as they
// were.
TEST_F(Sessions, EveryFaultOfAFileIsRefusedBeforeAnythingChanges)
{
    const QString good = file("good.probe-session");
    session->save(good);
    QFile read(good);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    const QByteArray text = read.readAll();
    auto edited = [&text](const char *from, const char *to) {
        QByteArray copy = text;
        EXPECT_TRUE(copy.contains(from)) << from;
        return copy.replace(from, to);
    };
    struct Case
    {
        const char *what;
        QByteArray bytes;
        const char *says;
    };
    const std::vector<Case> cases {
        {"another program", edited("\"probe\"", "\"calc\""), "a session of calc"},
        {"a newer format", edited("\"format\": 1", "\"format\": 2"), "format 2"},
        {"no JSON", "weights = 1\n", "no readable session"},
        {"cut short", text.left(text.size() / 2), "ends too soon"},
        {"a missing section", edited("\"controls\"", "\"kontrols\""), "\"kontrols\""},
        {"a missing piece", edited("\"count\"", "\"counts\""), "\"counts\""},
        {"an array too short", edited("[0.1, -0, 1e-45]", "[0.1, -0]"), "2 values where 3"},
        {"out of a piece's range", edited("[0.1, -0,", "[10.5, -0,"), "outside -10 to 10"},
        {"out of a scroll bar's range", edited("\"hsbRate\": 5", "\"hsbRate\": 101"),
         "from 0 to 100"},
        {"no finite float", edited("[0.1, -0,", "[1e39, -0,"), "no finite number"},
        {"not a number", edited("\"count\": 7", "\"count\": \"7\""), "not a number"},
        {"no whole number", edited("\"count\": 7", "\"count\": 7.5"), "no whole number"},
        {"a text too long", edited("\"0.5\"", ('"' + QByteArray(40000, 'x') + '"').constData()),
         "too long"},
    };
    const std::string before = everything();
    for (const Case &refused : cases) {
        const QString path = file("bad.probe-session");
        write(path, refused.bytes);
        try {
            session->open(path);
            ADD_FAILURE() << refused.what << " was opened";
        } catch (const host::Fault &fault) {
            EXPECT_EQ(fault.kind(), host::Fault::Kind::File) << refused.what;
            EXPECT_NE(std::string(fault.what()).find(path.toStdString()), std::string::npos);
            EXPECT_NE(std::string(fault.what()).find(refused.says), std::string::npos)
                << refused.what << ": " << fault.what();
        }
        EXPECT_EQ(everything(), before) << refused.what;
    }
    EXPECT_EQ(session->path(), QFileInfo(good).absoluteFilePath());
}

TEST_F(Sessions, FilesThatAreNoSessionAreRefusedUnread)
{
    const QString huge = file("huge.probe-session");
    QFile big(huge);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(host::maxSessionBytes + 1));
    big.close();
    for (auto [path, says] :
         {std::pair {huge, "larger than 16 MB"}, std::pair {dir.path(), "a folder"},
          std::pair {file("none.probe-session"), "no such file"}}) {
        const auto kind = host::testing::faultKind([&, path = path] { session->open(path); });
        EXPECT_EQ(kind, host::Fault::Kind::File) << says;
        try {
            session->open(path);
        } catch (const host::Fault &fault) {
            EXPECT_NE(std::string(fault.what()).find(says), std::string::npos) << fault.what();
        }
    }
}

TEST_F(Sessions, AFailedSaveKeepsTheEarlierFileAndTheMark)
{
    const QString path = file("kept.probe-session");
    session->save(path);
    weights[0] = 3;
    host::runHandler([] {}); // the dispatch sees the change
    EXPECT_TRUE(form.isWindowModified());
    const auto kind
        = host::testing::faultKind([&] { session->save(file("missing folder/x.probe-session")); });
    EXPECT_EQ(kind, host::Fault::Kind::File);
    // A value no JSON number holds is refused too, the earlier file kept.
    weights[1] = std::numeric_limits<float>::infinity();
    EXPECT_EQ(host::testing::faultKind([&] { session->save(path); }), host::Fault::Kind::File);
    EXPECT_TRUE(QFile(path).size() > 0);
    EXPECT_TRUE(form.isWindowModified());
    EXPECT_EQ(session->path(), QFileInfo(path).absoluteFilePath());
}

} // namespace
