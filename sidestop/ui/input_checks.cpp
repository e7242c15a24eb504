#include "sidestop/ui/input_checks.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/rounding.h"

#include <cmath>

namespace sidestop {

std::string quoted(std::string_view text)
{
    constexpr std::size_t longest = 24;
    const bool shortened = text.size() > longest;
    std::string result(1, '"');
    result.append(shortened ? text.substr(0, longest - 3) : text);
    if (shortened)
        result.append("...");
    result.push_back('"');
    return result;
}

double weightOfText(std::string_view text, const char *weight, const char *example)
{
    try {
        return host::toDouble(text);
    } catch (const host::Fault &fault) {
        const char *problem
            = fault.kind() == host::Fault::Kind::Overflow ? " is too large" : " is not a number";
        throw host::Fault(fault.kind(),
                          "The " + std::string(weight) + " " + quoted(text) + problem
                              + ": type a number such as " + example + ".");
    }
}

double weightOnEnter(std::string_view text, const char *weight, const char *example)
{
    const double value = host::Val(text);
    if (!std::isfinite(value))
        throw host::Fault(host::Fault::Kind::Overflow,
                          "The " + std::string(weight) + " " + quoted(text)
                              + " is too large: type a number such as " + example + ".");
    return value;
}

int16_t countOnEnter(std::string_view text, const char *hint)
{
    const double value = host::Val(text);
    try {
        return host::nearestInt16(value);
    } catch (const host::Fault &) {
        const char *beyond = value > 0 ? " is larger than 32767" : " is smaller than -32768";
        throw host::Fault(host::Fault::Kind::Overflow,
                          quoted(text) + beyond + ": type " + hint + ".");
    }
}

} // namespace sidestop
