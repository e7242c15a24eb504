// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/layout_table.h"
#include "host/forms/run_context.h"
#include "host/forms/session_file.h"
#include "host/forms/session_recovery.h"
#include "host/numbers/fault.h"
#include "host/numbers/random.h"
#include "host/numbers/session_document.h"
#include "host/tests/support/test_support.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

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
        // The recovery copies go to the test's own folder.
        qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
        session = new host::SessionFile(form,
                                        {.program = "probe",
                                         .suffix = "probe-session",
                                         .state = &state,
                                         .opened = {},
                                         .together = {}});
    }

    QString file(const QString &name) const { return dir.filePath(name); }
    // Runs an action under a script's rules: questions take the answers given, and the lines
    // the program prints instead of showing its boxes are returned.
    static std::string scripted(const QStringList &answers, const std::function<void()> &action)
    {
        host::RunContext &context = host::runContext();
        const host::RunContext person = context;
        std::string printed;
        context.scripted = true;
        context.print = [&printed](const QString &line) { printed += line.toStdString() + "\n"; };
        context.answers.assign(answers.begin(), answers.end());
        action();
        context = person;
        return printed;
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
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

// Unsaved changes are kept unless the person lets them go: Cancel and a save that cannot be
// made keep the window open with its state, and Quit leaves the other windows open too.
TEST_F(Sessions, AModifiedWindowAsksBeforeItCloses)
{
    host::Form other("Other", "other", 1000, 1000);
    other.load();
    form.setMainForm();
    form.load();
    weights[0] = 3; // changed inside a run, its handler not ended yet
    const std::string asked = scripted({"Cancel"}, [] { host::closeAllForms(); });
    EXPECT_NE(asked.find("Save them before closing? [Save/Discard/Cancel] Cancel"),
              std::string::npos)
        << asked;
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(other.isLoaded());
    EXPECT_FLOAT_EQ(weights[0], 3);
    // An untitled window's Save asks for a file, which a script names itself.
    EXPECT_NE(scripted({"Save"}, [this] { form.close(); }).find("save FILE"), std::string::npos);
    EXPECT_TRUE(form.isLoaded());

    const QString path = file("closing.probe-session");
    session->save(path);
    weights[0] = 4;
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_NE(scripted({"Save"}, [this] { form.close(); }).find("fault: "), std::string::npos);
    EXPECT_TRUE(form.isLoaded());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    scripted({"Save"}, [this] { form.close(); });
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(bytesOf(path).contains("[4, -0,"));
}

TEST_F(Sessions, AFileDroppedOnTheWindowOpensAfterTheQuestion)
{
    const QString path = file("dropped.probe-session");
    session->save(path);
    weights[0] = 5;
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)});
    QDragEnterEvent several(QPoint(5, 5), Qt::CopyAction, &two, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&form, &several);
    EXPECT_FALSE(several.isAccepted());
    QMimeData one;
    one.setUrls({QUrl::fromLocalFile(path)});
    auto drop = [&] {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &one, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&form, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &one, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&form, &event);
        EXPECT_TRUE(event.isAccepted());
        QCoreApplication::processEvents();
    };
    EXPECT_NE(scripted({"Cancel"}, drop).find("before opening another session"), std::string::npos);
    EXPECT_FLOAT_EQ(weights[0], 5);
    scripted({"Discard"}, drop);
    EXPECT_FLOAT_EQ(weights[0], 0.1f);
    EXPECT_FALSE(session->isModified());
}

TEST_F(Sessions, AnUntitledWindowKeepsItsCaptionWithTheMark)
{
    form.setWindowTitle("probe \u2014 seed 7"); // as the command line sets it, once made
    weights[0] = 2;
    host::runHandler([] {});
    EXPECT_EQ(form.windowTitle(), "probe \u2014 seed 7[*]");
    EXPECT_TRUE(form.isWindowModified());
    session->save(file("titled.probe-session"));
    EXPECT_EQ(form.windowTitle(), "titled.probe-session[*] \u2014 probe \u2014 seed 7");
    EXPECT_EQ(host::testing::runScriptLines("show Probe caption"),
              "Probe.caption=titled.probe-session \u2014 probe \u2014 seed 7\n");
}

// The copy follows the model, not every control; a save, an open or a clean close removes it.
TEST_F(Sessions, ARecoveryCopyKeepsAChangedModelUntilACleanClose)
{
    form.load();
    host::SessionRecovery &recovery = session->recovery();
    const QString copy = recovery.path();
    EXPECT_TRUE(copy.startsWith(dir.path())) << copy.toStdString();
    form.control<host::ScrollBar>("hsbRate")->setValue(9);
    host::runHandler([] {});
    EXPECT_FALSE(QFile::exists(copy));
    recovery.write(); // what the minute's timer does
    EXPECT_TRUE(QFile::exists(copy));
    // A change within a second of the last copy is written a moment later, not at once.
    weights[0] = 2;
    host::runHandler([] {});
    EXPECT_NE(bytesOf(copy), session->text());
    QElapsedTimer waited;
    waited.start();
    while (bytesOf(copy) != session->text() && waited.elapsed() < 5000)
        QTest::qWait(20);
    EXPECT_EQ(bytesOf(copy), session->text());

    weights[0] = 7;
    session->recover(copy);
    EXPECT_FLOAT_EQ(weights[0], 2);
    EXPECT_TRUE(session->path().isEmpty());
    EXPECT_TRUE(form.isWindowModified());
    EXPECT_FALSE(session->recentFiles().contains(copy));

    session->save(file("saved.probe-session"));
    EXPECT_FALSE(QFile::exists(copy));
    weights[0] = 3;
    host::runHandler([] {});
    ASSERT_TRUE(QFile::exists(copy));
    scripted({"Discard"}, [this] { form.close(); });
    EXPECT_FALSE(QFile::exists(copy));
}

TEST_F(Sessions, ACopyLeftBehindIsOfferedAtTheStart)
{
    form.load();
    const QString copy = session->recovery().path();
    weights[0] = 6;
    const QByteArray left = session->text();
    weights[0] = 1;
    QDir().mkpath(QFileInfo(copy).path());
    write(copy, left);
    scripted({"Discard"}, [this] { session->recovery().offer(); });
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_FLOAT_EQ(weights[0], 1);
    write(copy, left);
    const std::string asked = scripted({}, [this] { session->recovery().offer(); });
    EXPECT_NE(asked.find("[Reopen/Discard] Reopen"), std::string::npos) << asked;
    EXPECT_FLOAT_EQ(weights[0], 6);
    EXPECT_TRUE(session->isModified());

    // Another running copy of the program neither writes the copy nor offers it.
    host::Form second("Second", "second", 6000, 3000);
    host::StateRegistry secondState;
    std::array<float, 3> secondWeights {};
    secondState.add("weights", secondWeights);
    secondState.add("count", count);
    auto *again = new host::SessionFile(second,
                                        {.program = "probe",
                                         .suffix = "probe-session",
                                         .state = &secondState,
                                         .opened = {},
                                         .together = {}});
    second.load();
    secondWeights[0] = 9;
    host::runHandler([] {});
    EXPECT_EQ(scripted({}, [again] { again->recovery().offer(); }), "");
    EXPECT_EQ(bytesOf(copy), left);
}

TEST_F(Sessions, AFailedRecoveryWriteSaysSoOnceAndKeepsTheState)
{
    form.load();
    QDir().mkpath(session->recovery().path()); // a folder in the way
    const std::string said = scripted({}, [this] {
        weights[0] = 2;
        host::runHandler([] {});
        weights[0] = 3;
        host::runHandler([] {});
    });
    EXPECT_EQ(said.rfind("message: No recovery copy of this session could be kept: ", 0), 0u)
        << said;
    EXPECT_EQ(said.find("message:", 1), std::string::npos) << said;
    EXPECT_FLOAT_EQ(weights[0], 3);
    EXPECT_TRUE(form.isWindowModified());
}

} // namespace
