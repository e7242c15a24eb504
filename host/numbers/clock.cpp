// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/clock.h"

#include <chrono>
#include <ctime>
#include <optional>

namespace host {

namespace {

std::optional<double> &frozenSeconds()
{
    static std::optional<double> seconds;
    return seconds;
}

std::optional<double> &seedInForce()
{
    static std::optional<double> seed;
    return seed;
}

std::tm localNow(double &fraction)
{
    auto now = std::chrono::system_clock::now();
    std::time_t whole = std::chrono::system_clock::to_time_t(now);
    fraction = std::chrono::duration<double>(now - std::chrono::system_clock::from_time_t(whole))
                   .count();
    std::tm local {};
    localtime_r(&whole, &local);
    return local;
}

} // namespace

float clockSeconds()
{
    if (frozenSeconds())
        return float(*frozenSeconds());
    double fraction = 0;
    std::tm local = localNow(fraction);
    return float(local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction);
}

void freezeClock(double secondsSinceMidnight) { frozenSeconds() = secondsSinceMidnight; }

void thawClock() { frozenSeconds().reset(); }

std::optional<double> frozenClock() { return frozenSeconds(); }

double clockSeed() { return seedInForce() ? *seedInForce() : clockSeconds(); }

void fixSeed(std::optional<double> seed) { seedInForce() = seed; }

std::optional<double> fixedSeed() { return seedInForce(); }

std::string dateTimeText()
{
    double fraction = 0;
    std::tm local = localNow(fraction);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    return buffer;
}

} // namespace host
