// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the input as an automation script against a fresh window of the program, in this
// process under the offscreen platform. Every line goes through the real event path; what a
// script may legally do must never crash, hang or trip a sanitizer. Files a script would
// write land in a scratch folder, pauses stay off, and a run closes its windows after a
// bounded number of yields, so that no input can run for long.

#include "monkey/script_session.h"

#include FUZZ_FORM_HEADER

#include <QApplication>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

constexpr int yieldBudget = 10;
constexpr int maxLines = 60;

QApplication *application = nullptr;
monkey::ScriptSession *session = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    QApplication::setStyle("Windows");
    QApplication::setQuitOnLastWindowClosed(false);
    session = new monkey::ScriptSession([] { return std::make_unique<FUZZ_FORM>(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList lines = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size))
                            .split('\n')
                            .mid(0, maxLines);
    session->run(monkey::confineFiles(lines.join('\n'), session->scratchPath("")), yieldBudget);
    return 0;
}
