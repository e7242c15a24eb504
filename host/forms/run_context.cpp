// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/run_context.h"

namespace host {

RunContext &runContext()
{
    static RunContext context;
    return context;
}

} // namespace host
