// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

// glibc's exp is a wrapper: it calls the library's inner exponential and then only tests the
// result, to set errno on a range error. Where the build found that inner entry point (its
// symbol version in NEUROSIMS_INNER_EXP_VERSION), quietExp calls it directly; nothing here reads
// errno, and the double is the one exp returns.
#ifdef NEUROSIMS_INNER_EXP_VERSION
extern "C" double neurosimsInnerExp(double x);
__asm__(".symver neurosimsInnerExp,__exp_finite@" NEUROSIMS_INNER_EXP_VERSION);
#endif

namespace host {

// e^x, bit for bit what std::exp gives, errno left alone.
inline double quietExp(double x)
{
#ifdef NEUROSIMS_INNER_EXP_VERSION
    return neurosimsInnerExp(x);
#else
    return std::exp(x);
#endif
}

} // namespace host
