// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/unit_list.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/rounding.h"

#include <algorithm>
#include <string>

namespace calc {

UnitList strToArray(std::string_view text)
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
                              "The list " + host::quotedText(text) + " has more than ten items.");
        try {
            list[count] = host::nearestInt16(host::leadingNumber(item));
        } catch (const host::Fault &) {
            throw host::Fault(host::Fault::Kind::Overflow,
                              "The item " + host::quotedText(item) + " of the list "
                                  + host::quotedText(text) + " is too large for a unit number.");
        }
        ++count;
        start = blank + 1;
    }
    return list;
}

} // namespace calc
