#include "calc/model/unit_list.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/rounding.h"

#include <algorithm>
#include <string>

namespace calc {

UnitList str_to_array(std::string_view text)
{
    UnitList list {};
    size_t count = 0;
    size_t start = 0;
    // Every item, the last one included, ends at a blank: the text is read as if followed
    // by one.
    while (start <= text.size()) {
        const size_t blank = std::min(text.find(' ', start), text.size());
        const std::string_view item = text.substr(start, blank - start);
        if (count == list.size())
            throw host::Fault(host::Fault::Kind::IndexOutOfRange,
                              "The list \"" + std::string(text) + "\" has more than ten items.");
        const double value = host::Val(item);
        try {
            list[count++] = host::nearestInt16(value);
        } catch (const host::Fault &) {
            throw host::Fault(host::Fault::Kind::Overflow,
                              "The item \"" + std::string(item) + "\" of the list \""
                                  + std::string(text) + "\" is too large for a unit number.");
        }
        start = blank + 1;
    }
    return list;
}

} // namespace calc
