// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keypad shows a numeral's segments; "Input Displayed Numeral" tests the network on the
// stored pattern of the numeral shown; the arrows step through the numerals and do both.

#include "calc/ui/form1.h"
#include "calc/ui/form1_layout.h"
#include "host/forms/messages.h"
#include "host/numbers/fault.h"

#include <string>

namespace calc {

void Form1::commShownum_Click(int16_t index)
{
    const int16_t pattern = patternOfNumeral(index);
    if (size_t(pattern) > m_net.inPatterns.size())
        throw host::Fault(host::Fault::Kind::IndexOutOfRange,
                          "The numeral " + numeralCaption(index).toStdString()
                              + " has no pattern: the pattern file holds "
                              + std::to_string(m_net.inPatterns.size()) + " patterns.");
    clear_segments();
    m_shownNumeral = index;
    m_shownPattern = pattern;
    show_input(pattern);
}

// Tests the stored pattern of the numeral last shown, whatever the segment boxes show now;
// no error is computed and no weight changes.
void Form1::commProcessIp_Click()
{
    if (m_shownPattern == 0) {
        host::showMessage("Choose a numeral first: click one of the keys 0 to F, or an arrow.");
        return;
    }
    m_net.curInput = m_net.inPatterns.at(size_t(m_shownPattern - 1));
    compute_net(m_net);
    apply_activation(m_net, outputRule());
    show_outputs();
}

// Previous numeral, from 0 round to F.
void Form1::Image1_Click()
{
    commShownum_Click(nextNumeralWithPattern(-1));
    commProcessIp_Click();
}

// Next numeral, from F round to 0.
void Form1::Image2_Click()
{
    commShownum_Click(nextNumeralWithPattern(+1));
    commProcessIp_Click();
}

// The numeral one step from the shown one, round from F to 0 and back. A pattern file of
// fewer than sixteen patterns lacks some numerals: the arrows step over them, so that they
// still step through the training set.
int16_t Form1::nextNumeralWithPattern(int step) const
{
    int numeral = m_shownNumeral;
    for (int tries = 0; tries < 16; ++tries) {
        numeral = (numeral + step + 16) % 16;
        if (size_t(patternOfNumeral(int16_t(numeral))) <= m_net.inPatterns.size())
            break;
    }
    return int16_t(numeral);
}

} // namespace calc
