// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/command_line.h"
#include "host/forms/program.h"
#include "somatomap/ui/form1.h"

int main(int argc, char *argv[])
{
    return host::run(argc, argv,
                     {"neurosims-somatomap", "a self-organising map learns the regions of a hand",
                      "somatomap.md"},
                     [] { return std::make_unique<somatomap::Form1>(); });
}
