// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/command_line.h"
#include "host/forms/program.h"
#include "sidestop/ui/form1.h"

int main(int argc, char *argv[])
{
    return host::run(argc, argv,
                     {"neurosims-sidestop", "ten units with self-excitation and lateral inhibition",
                      "sidestop.md"},
                     [] { return std::make_unique<sidestop::Form1>(); });
}
