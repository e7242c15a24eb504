// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/tests/support/csv_check.h"
#include "host/tests/support/test_support.h"

#include <QTemporaryDir>

#include <string>

namespace host::testing {

// A program's window, shown, with a scratch folder for the files its displays export and
// the values `var` prints to compare them with.
template <typename Form> class ExportingForm : public ShownForm<Form>
{
protected:
    std::string path(const char *name) const { return dir.filePath(name).toStdString(); }
    static std::string var(const std::string &name)
    {
        return varValues(runScriptLines("var " + name));
    }

    QTemporaryDir dir;
};

} // namespace host::testing
