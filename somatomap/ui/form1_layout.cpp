// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the somatomap window: the hand with its 24 region boxes, its outline and
// the hand-part choice on the left; the sensory map, its buttons and boxes on the right.

#include "somatomap/ui/form1_layout.h"

#include <array>

namespace somatomap {

namespace {

using host::ControlKind;
using host::ControlRow;

const QColor paleGrey(224, 224, 224);
const QColor offColour(255, 255, 192);

// The region boxes of the hand, region by region: fingers 1 to 3 from the tip down (finger 1
// bends to the left), then the palm's upper and lower rows from left to right.
constexpr std::array<QRect, 24> regionBoxes {
    QRect(1395, 960, 375, 255),  QRect(1170, 1275, 375, 255), QRect(960, 1560, 375, 255),
    QRect(930, 1965, 375, 255),  QRect(1125, 2280, 375, 255), QRect(1335, 2595, 375, 255),
    QRect(2640, 240, 375, 255),  QRect(2640, 585, 375, 255),  QRect(2640, 960, 375, 255),
    QRect(2640, 1320, 375, 255), QRect(2655, 1680, 375, 255), QRect(2640, 2040, 375, 255),
    QRect(3360, 240, 375, 255),  QRect(3360, 600, 375, 255),  QRect(3360, 960, 375, 255),
    QRect(3360, 1320, 375, 255), QRect(3360, 1680, 375, 255), QRect(3360, 2040, 375, 255),
    QRect(1935, 2520, 555, 615), QRect(2580, 2505, 555, 615), QRect(3225, 2520, 525, 615),
    QRect(1920, 3240, 570, 615), QRect(2580, 3240, 570, 615), QRect(3270, 3255, 525, 615),
};

// The outline around finger 1, which bends away from the other two.
constexpr std::array<QLine, 6> fingerOneOutline {
    QLine(1980, 975, 1335, 1905), QLine(1800, 2625, 1320, 1920), QLine(645, 1920, 1380, 2955),
    QLine(1530, 735, 630, 1920),  QLine(1785, 2955, 1365, 2955), QLine(1980, 975, 1545, 705),
};

const std::array<QColor, 4> handPartColours {QColor(192, 0, 0), QColor(192, 192, 0),
                                             QColor(0, 128, 128), QColor(0, 0, 255)};
const std::array<QString, 4> handPartCaptions {"Finger 1", "Finger 2", "Finger 3", "Palm"};
constexpr std::array<QRect, 4> handPartOptions {
    QRect(225, 255, 1005, 240), QRect(195, 650, 915, 240), QRect(195, 1015, 885, 240),
    QRect(195, 1380, 810, 240)};
constexpr std::array<int, 4> swatchTops {255, 615, 990, 1395};

void addHand(std::vector<ControlRow> &rows)
{
    rows.push_back({.name = "Frame2",
                    .kind = ControlKind::Frame,
                    .caption = "HAND",
                    .twips = QRect(165, 120, 5250, 7950)});
    rows.push_back({.container = "Frame2",
                    .name = "Picture1",
                    .kind = ControlKind::Picture,
                    .twips = QRect(195, 315, 4725, 4395),
                    .backColor = paleGrey});
    const std::array<QRect, 3> outlines {QRect(2520, 120, 615, 2295), QRect(3240, 120, 615, 2295),
                                         QRect(1800, 2400, 2115, 1605)};
    for (int k = 0; k < 3; ++k)
        rows.push_back({.container = "Picture1",
                        .name = host::arrayName("Shape", k),
                        .kind = ControlKind::Rectangle,
                        .twips = outlines[k],
                        .value = 1});
    for (int k = 0; k < 6; ++k)
        rows.push_back({.container = "Picture1",
                        .name = host::arrayName("Line", k),
                        .kind = ControlKind::Line,
                        .twips = {},
                        .value = 1,
                        .lineTwips = fingerOneOutline[k]});
    // The off colour's swatch, then the regions, which start in it.
    ControlRow swatch {.container = "Picture1",
                       .name = "picOff",
                       .kind = ControlKind::Picture,
                       .twips = QRect(255, 165, 390, 240),
                       .backColor = offColour};
    rows.push_back(swatch);
    for (int k = 0; k < 24; ++k) {
        swatch.name = host::arrayName("picHandF1", k);
        swatch.twips = regionBoxes[k];
        rows.push_back(swatch);
    }

    rows.push_back({.container = "Frame2",
                    .name = "Frame4",
                    .kind = ControlKind::Frame,
                    .caption = "Hand Part",
                    .twips = QRect(450, 5190, 2040, 2370)});
    for (int k = 0; k < 4; ++k) {
        rows.push_back({.container = "Frame4",
                        .name = host::arrayName("optHandPart", k),
                        .kind = ControlKind::Option,
                        .caption = handPartCaptions[k],
                        .twips = handPartOptions[k]});
        rows.push_back({.container = "Frame4",
                        .name = host::arrayName("picActivityCol", k),
                        .kind = ControlKind::Picture,
                        .twips = QRect(1245, swatchTops[k], 420, 240),
                        .backColor = handPartColours[k]});
    }
    rows.push_back({.container = "Frame4",
                    .name = "commCleanHand",
                    .kind = ControlKind::Button,
                    .caption = "CLEAR",
                    .twips = QRect(180, 1740, 870, 330)});
}

// The map and its buttons and boxes, in creation order.
std::vector<ControlRow> mapRows()
{
    return {{.name = "Frame1",
             .kind = ControlKind::Frame,
             .caption = "Sensory Map Response",
             .twips = QRect(5490, 45, 4815, 7980)},
            {.container = "Frame1",
             .name = "picSenseMap",
             .kind = ControlKind::Picture,
             .twips = QRect(270, 270, 4290, 4350),
             .backColor = paleGrey},
            {.container = "Frame1",
             .name = "chkMapOn",
             .kind = ControlKind::CheckBox,
             .caption = "Map Active",
             .twips = QRect(300, 4710, 1650, 225),
             .value = 1},
            {.container = "Frame1",
             .name = "commIncCont",
             .kind = ControlKind::Button,
             .caption = "Stepwise Enhance",
             .twips = QRect(2805, 4755, 1650, 270)},
            {.container = "Frame1",
             .name = "CommFindWinner",
             .kind = ControlKind::Button,
             .caption = "Find Peak Activity",
             .twips = QRect(285, 5055, 1680, 270)},
            {.container = "Frame1",
             .name = "Frame3",
             .kind = ControlKind::Frame,
             .caption = "Receptive Field",
             .twips = QRect(2610, 5160, 2025, 1020)},
            {.container = "Frame3",
             .name = "optDotProd",
             .kind = ControlKind::Option,
             .caption = "Norm. dot prod.",
             .twips = QRect(180, 300, 1515, 210),
             .value = 1},
            {.container = "Frame3",
             .name = "optRadBas",
             .kind = ControlKind::Option,
             .caption = "Radial Basis",
             .twips = QRect(165, 570, 1425, 285)},
            {.container = "Frame1",
             .name = "commReset",
             .kind = ControlKind::Button,
             .caption = "Reset Weights",
             .twips = QRect(345, 5475, 1320, 390)},
            {.container = "Frame1",
             .name = "commLrn",
             .kind = ControlKind::Button,
             .caption = "Learn Stimulus",
             .twips = QRect(345, 6015, 1350, 375)},
            {.container = "Frame1",
             .name = "txtPeakrad",
             .kind = ControlKind::TextBox,
             .caption = "3",
             .twips = QRect(1950, 6435, 390, 285)},
            {.container = "Frame1",
             .name = "hsbPeakrad",
             .kind = ControlKind::HScrollBar,
             .twips = QRect(2385, 6465, 795, 195),
             .value = 3,
             .range = {.minimum = 1, .maximum = 10, .smallChange = 1, .largeChange = 1}},
            {.container = "Frame1",
             .name = "Label1",
             .kind = ControlKind::Label,
             .caption = "Bubble Radius",
             .twips = QRect(3270, 6450, 1095, 255)},
            {.container = "Frame1",
             .name = "commLrnHand",
             .kind = ControlKind::Button,
             .caption = "Map Whole Hand",
             .twips = QRect(345, 6630, 1320, 390),
             .font = {.face = "Arial Narrow", .points = 8.25}},
            {.container = "Frame1",
             .name = "txtLrate",
             .kind = ControlKind::TextBox,
             .caption = "0.2",
             .twips = QRect(1965, 6855, 435, 285)},
            {.container = "Frame1",
             .name = "Label2",
             .kind = ControlKind::Label,
             .caption = "Learning Rate",
             .twips = QRect(2490, 6870, 1140, 255)},
            {.container = "Frame1",
             .name = "commAbort",
             .kind = ControlKind::Button,
             .caption = "Abort",
             .twips = QRect(315, 7110, 960, 300)},
            {.container = "Frame1",
             .name = "txtNumTrials",
             .kind = ControlKind::TextBox,
             .caption = "10",
             .twips = QRect(1965, 7245, 435, 285)},
            {.container = "Frame1",
             .name = "Label3",
             .kind = ControlKind::Label,
             .caption = "Number of Trials",
             .twips = QRect(2535, 7260, 1365, 225)},
            {.container = "Frame1",
             .name = "txtTrialNum",
             .kind = ControlKind::TextBox,
             .caption = "0",
             .twips = QRect(375, 7455, 330, 285)},
            {.container = "Frame1",
             .name = "txtCurrentRad",
             .kind = ControlKind::TextBox,
             .caption = "0",
             .twips = QRect(765, 7470, 360, 285)},
            {.container = "Frame1",
             .name = "txtError",
             .kind = ControlKind::TextBox,
             .caption = "0",
             .twips = QRect(1965, 7605, 450, 300)},
            {.container = "Frame1",
             .name = "Label4",
             .kind = ControlKind::Label,
             .caption = "Error",
             .twips = QRect(2535, 7635, 1185, 240)}};
}

std::vector<ControlRow> buildLayout()
{
    std::vector<ControlRow> rows;
    addHand(rows);
    const std::vector<ControlRow> map = mapRows();
    rows.insert(rows.end(), map.begin(), map.end());
    return rows;
}

} // namespace

const std::vector<ControlRow> &form1Layout()
{
    static const std::vector<ControlRow> rows = buildLayout();
    return rows;
}

} // namespace somatomap
