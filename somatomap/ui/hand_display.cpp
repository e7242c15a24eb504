// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hand: touching one region, choosing a whole finger or the palm, and CLEAR. The off
// colour and the hand-part colours are read from their swatches each time they are used.

#include "somatomap/ui/form1.h"

#include "host/forms/controls.h"
#include "host/forms/picture_area.h"
#include "somatomap/model/contrast.h"

namespace somatomap {

namespace {

const QColor red(255, 0, 0);
constexpr int RegionsPerPart = 6;
constexpr int EnhancementsPerRegion = 6;

} // namespace

// Lights a region in the given colour (red by default). A touch in isolation also turns the
// previously touched region off, so it stays the only lit one of the isolated touches, even
// when it is the same region (which then goes off again).
void Form1::LightUpHandPart(int index, bool inIsolation, std::optional<QColor> col)
{
    const QColor off = host::backColor(picOff);
    host::setColors(picHandF1[index], col.value_or(red));
    if (inIsolation) {
        if (m_partTouched > -1)
            host::setColors(picHandF1[m_partTouched], off);
        m_partTouched = int16_t(index);
    }
}

// Lights the six regions of a finger or of the palm in the part's colour and, while the map
// is active, draws each region's sharpened response over what the map shows.
void Form1::activateHandPart(int index)
{
    const QColor c = host::backColor(picActivityCol[index]);
    const bool mapping = mapActive();
    const double rad = mapping ? bubbleRadius() : 0;
    for (int k = RegionsPerPart * index; k < RegionsPerPart * (index + 1); ++k) {
        LightUpHandPart(k, false, c);
        if (mapping) {
            ActivateSensoryMap(m_map, int16_t(k), similarity());
            for (int step = 0; step < EnhancementsPerRegion; ++step)
                enhanceContrast(m_map, rad);
            showSensoryMap(true, c);
        }
    }
}

void Form1::picHandF1_Click(int index)
{
    LightUpHandPart(index, true);
    if (mapActive()) {
        ActivateSensoryMap(m_map, int16_t(index), similarity());
        showSensoryMap(false);
    }
}

void Form1::optHandPart_Click(int index) { activateHandPart(index); }

void Form1::commCleanHand_Click()
{
    const QColor off = host::backColor(picOff);
    for (host::PictureArea *region : picHandF1)
        host::setColors(region, off);
    {
        host::Canvas::Batch batch(*picSenseMap);
        clearMap();
    }
    picSenseMap->refresh();
}

} // namespace somatomap
