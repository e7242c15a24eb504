// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ui/form1.h"
#include "host/forms/command_line.h"
#include "host/forms/program.h"

int main(int argc, char *argv[])
{
    return host::run(
        argc, argv,
        {"neurosims-calc", "a delta-rule layer learns seven-segment numerals 0-F", "calc.md"},
        [] { return std::make_unique<calc::Form1>(); });
}
