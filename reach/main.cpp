// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/command_line.h"
#include "host/forms/program.h"
#include "reach/ui/form1.h"

int main(int argc, char *argv[])
{
    return host::run(argc, argv,
                     {"neurosims-reach",
                      "a population of direction cells steers a hand to a target", "reach.md"},
                     [] { return std::make_unique<reach::Form1>(); });
}
