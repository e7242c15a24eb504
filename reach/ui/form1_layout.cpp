// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the reach window, where they sit (twips of their container), their
// captions, fonts and start states.

#include "reach/ui/form1_layout.h"

namespace reach {

namespace {

using host::ControlKind;
using host::ControlRow;

// The window's bold sans serif, the serif of the parameter group and the italic serif of its
// inner frames. A row without a font takes the plain sans serif of the smaller captions.
constexpr host::FontChoice bold = windowFont;
constexpr host::FontChoice parameters {"Garamond", 11.25, true};
constexpr host::FontChoice inner {"Times New Roman", 8.25, false, true};

const QColor blue(0, 0, 255);
const QColor lineBlue(128, 128, 255);

// The rows read as a table, a row in two lines or three, so the formatter leaves them be.
// clang-format off
std::vector<ControlRow> handDisplay()
{
    return {
        {.name = "Label3", .kind = ControlKind::Label,
         .caption = "HAND TRAJECTORY DISPLAY", .twips = QRect(420, 168, 4824, 228), .font = bold},
        {.name = "picture1", .kind = ControlKind::Picture,
         .twips = QRect(120, 600, 5424, 5424), .font = bold, .backColor = QColor(255, 255, 192)},
        {.container = "picture1", .name = "Frame12", .kind = ControlKind::Frame,
         .caption = " Target Position", .twips = QRect(0, 24, 2412, 852), .font = bold},
        {.container = "Frame12", .name = "optTarget", .kind = ControlKind::Option,
         .caption = "PlacingTarget", .twips = QRect(144, 204, 1395, 285)},
        {.container = "Frame12", .name = "Label11(0)", .kind = ControlKind::Label, .caption = "X =",
         .twips = QRect(120, 480, 0, 0), .font = bold},
        {.container = "Frame12", .name = "txtTxpos", .kind = ControlKind::TextBox, .caption = " ",
         .twips = QRect(480, 480, 492, 288), .font = bold},
        {.container = "Frame12", .name = "Label12(0)", .kind = ControlKind::Label, .caption = "Y=",
         .twips = QRect(1200, 480, 0, 0), .font = bold},
        {.container = "Frame12", .name = "txtTypos", .kind = ControlKind::TextBox, .caption = " ",
         .twips = QRect(1560, 480, 492, 288), .font = bold},
        {.container = "picture1", .name = "Frame13", .kind = ControlKind::Frame,
         .caption = "Distractor Position", .twips = QRect(3120, 0, 2412, 852), .font = bold},
        {.container = "Frame13", .name = "optDistractor", .kind = ControlKind::Option,
         .caption = "Placing Distractor", .twips = QRect(264, 192, 1548, 300)},
        {.container = "Frame13", .name = "Label11(1)", .kind = ControlKind::Label, .caption = "X =",
         .twips = QRect(240, 480, 0, 0), .font = bold},
        {.container = "Frame13", .name = "txtDxpos", .kind = ControlKind::TextBox, .caption = " ",
         .twips = QRect(600, 480, 492, 288), .font = bold},
        {.container = "Frame13", .name = "Label12(1)", .kind = ControlKind::Label, .caption = "Y=",
         .twips = QRect(1176, 492, 0, 0), .font = bold},
        {.container = "Frame13", .name = "txtDypos", .kind = ControlKind::TextBox, .caption = " ",
         .twips = QRect(1560, 492, 492, 288), .font = bold},
        {.container = "picture1", .name = "commReach", .kind = ControlKind::Button,
         .caption = "REACH", .twips = QRect(600, 4788, 1128, 384)},
        {.container = "picture1", .name = "commRestart", .kind = ControlKind::Button,
         .caption = "RESTART", .twips = QRect(3408, 4800, 1128, 396)},
        {.container = "picture1", .name = "Label11(2)", .kind = ControlKind::Label, .caption = "X ",
         .twips = QRect(1884, 4920, 0, 0), .font = bold},
        {.container = "picture1", .name = "txtHandx", .kind = ControlKind::TextBox,
         .twips = QRect(2160, 4920, 372, 288), .font = bold},
        {.container = "picture1", .name = "Label12(2)", .kind = ControlKind::Label, .caption = "Y",
         .twips = QRect(3024, 4932, 0, 0), .font = bold},
        {.container = "picture1", .name = "txtHandy", .kind = ControlKind::TextBox, .caption = " ",
         .twips = QRect(2640, 4920, 372, 288), .font = bold},
        // Child pictures, moved in display units by start-up.
        {.container = "picture1", .name = "target", .kind = ControlKind::Picture,
         .twips = QRect(0, 0, 195, 210), .font = bold, .backColor = QColor(192, 64, 0)},
        {.container = "picture1", .name = "distractor", .kind = ControlKind::Picture,
         .twips = QRect(0, 0, 195, 210), .font = bold, .backColor = blue},
        {.container = "picture1", .name = "Hand", .kind = ControlKind::Picture,
         .twips = QRect(0, 0, 468, 516), .font = bold, .backColor = Qt::white},
    };
}

std::vector<ControlRow> cellDisplay()
{
    return {
        {.name = "Label7", .kind = ControlKind::Label,
         .caption = "DIRECTION CELL RESPONSE DISPLAY", .twips = QRect(6996, 144, 4980, 240),
         .font = bold},
        {.name = "cell1", .kind = ControlKind::Picture,
         .twips = QRect(6720, 612, 5400, 5400), .font = bold, .backColor = Qt::white},
        {.container = "cell1", .name = "chkBarChart", .kind = ControlKind::CheckBox,
         .caption = "Bar Chart", .twips = QRect(4080, 5040, 1212, 252), .font = bold},
        {.container = "cell1", .name = "chkColCode", .kind = ControlKind::CheckBox,
         .caption = "Colour Code", .twips = QRect(96, 5004, 1488, 312), .font = bold, .value = 1,
         .backColor = QColor(192, 0, 0), .foreColor = blue},
    };
}

std::vector<ControlRow> sideControls()
{
    std::vector<ControlRow> rows {
        {.name = "Frame2", .kind = ControlKind::Frame, .caption = " ",
         .twips = QRect(5640, 1320, 972, 972), .font = bold},
        {.container = "Frame2", .name = "Shape1", .kind = ControlKind::RoundedRectangle,
         .twips = QRect(0, 120, 972, 852), .font = bold,
         .foreColor = QColor(128, 64, 0)},
        {.container = "Frame2", .name = "chkOnLinePath", .kind = ControlKind::CheckBox,
         .caption = "Show path online", .twips = QRect(120, 120, 735, 735), .value = 1},
        {.name = "Frame3", .kind = ControlKind::Frame, .caption = "Path Colour",
         .twips = QRect(5640, 2400, 975, 1710)},
    };
    struct Ink
    {
        int index, top;
        QColor colour;
    };
    for (const Ink &ink : {Ink {5, 240, QColor(64, 0, 64)}, Ink {4, 600, QColor(192, 0, 0)},
                           Ink {3, 960, QColor(0, 0, 255)}, Ink {6, 1320, QColor(0, 128, 128)}}) {
        rows.push_back({.container = "Frame3", .name = host::arrayName("picInk", ink.index),
                        .kind = ControlKind::Picture,
                        .twips = QRect(120, ink.top, 300, 255), .font = bold,
                        .backColor = ink.colour});
        rows.push_back({.container = "Frame3", .name = host::arrayName("opInk", ink.index),
                        .kind = ControlKind::Option, .caption = ink.index == 5 ? "4" : "Option1",
                        .twips = QRect(480, ink.top, 255, 255), .font = bold,
                        .value = ink.index == 5});
    }
    rows.push_back({.name = "commDelPath", .kind = ControlKind::Button,
                    .caption = "Delete Path", .twips = QRect(5760, 4320, 735, 615)});
    return rows;
}

std::vector<ControlRow> bottomControls()
{
    std::vector<ControlRow> rows {
        // Lines on the window's background, partly hidden behind the printing frame.
        {.name = "Line2", .kind = ControlKind::Line, .twips = {},
         .font = bold, .value = 4, .foreColor = lineBlue,
         .lineTwips = QLine(4440, 8520, 7800, 8520)},
        {.name = "Line3", .kind = ControlKind::Line, .twips = {},
         .font = bold, .value = 4, .foreColor = lineBlue,
         .lineTwips = QLine(4560, 8520, 7920, 8520)},
        {.name = "chkWithWithout", .kind = ControlKind::CheckBox,
         .caption = "Do +/- distractor comparison", .twips = QRect(120, 6000, 2412, 252)},
        {.name = "Frame8", .kind = ControlKind::Frame, .caption = "Target Pos.",
         .twips = QRect(120, 6360, 1332, 1692), .font = bold},
        {.name = "Frame9", .kind = ControlKind::Frame,
         .caption = "Distractor Pos.", .twips = QRect(1560, 6360, 1332, 1692), .font = bold},
    };
    const char *presetCaptions[] = {"Near Right", "Near Left", "Far Right", "Far Left"};
    const int targetTops[] = {288, 600, 960, 1320};
    const int distractorTops[] = {240, 600, 960, 1320};
    for (int i = 0; i < 4; ++i) {
        rows.push_back({.container = "Frame8", .name = host::arrayName("optTpos", i),
                        .kind = ControlKind::Option, .caption = presetCaptions[i],
                        .twips = QRect(120, targetTops[i], 1104, 240)});
        rows.push_back({.container = "Frame9", .name = host::arrayName("optDpos", i),
                        .kind = ControlKind::Option, .caption = presetCaptions[i],
                        .twips = QRect(120, distractorTops[i], 1092, 252)});
    }
    const std::vector<ControlRow> rest {
        {.name = "Frame7", .kind = ControlKind::Frame,
         .caption = "Distractor processing", .twips = QRect(3120, 6360, 2292, 1692), .font = bold},
        {.container = "Frame7", .name = "chkSeeDistractor", .kind = ControlKind::CheckBox,
         .caption = "Respond to Distractor", .twips = QRect(120, 276, 1935, 390)},
        {.container = "Frame7", .name = "chkSuppDist", .kind = ControlKind::CheckBox,
         .caption = "Suppress Distractor", .twips = QRect(120, 612, 1935, 375)},
        {.container = "Frame7", .name = "chkDisteffect", .kind = ControlKind::CheckBox,
         .caption = "Distance dependent response", .twips = QRect(120, 960, 1935, 405)},
        {.container = "Frame7", .name = "chkSidestop", .kind = ControlKind::CheckBox,
         .caption = "Lateral Inhibition", .twips = QRect(120, 1440, 1692, 192)},
        {.name = "Frame11", .kind = ControlKind::Frame, .caption = "Printing",
         .twips = QRect(5592, 7248, 2412, 1644), .font = bold},
        {.container = "Frame11", .name = "chkPrinting", .kind = ControlKind::CheckBox,
         .caption = "Store hand paths", .twips = QRect(360, 192, 1812, 252), .font = bold},
        {.container = "Frame11", .name = "commPrint", .kind = ControlKind::Button,
         .caption = "Print", .twips = QRect(240, 516, 732, 408), .font = bold},
        {.container = "Frame11", .name = "ckKill", .kind = ControlKind::Button,
         .caption = "Kill Print", .twips = QRect(1380, 528, 732, 408)},
        {.container = "Frame11", .name = "optPrintHand", .kind = ControlKind::Option,
         .caption = "Hand Display", .twips = QRect(312, 1056, 1452, 192), .font = bold, .value = 1},
        {.container = "Frame11", .name = "optPrintCell", .kind = ControlKind::Option,
         .caption = "Cell Display", .twips = QRect(324, 1356, 1890, 192), .font = bold},
        {.name = "Frame10", .kind = ControlKind::Frame, .caption = "Cell Response",
         .twips = QRect(6720, 6120, 1695, 972), .font = bold},
        {.container = "Frame10", .name = "optExp", .kind = ControlKind::Option,
         .caption = "Exponential", .twips = QRect(240, 240, 1335, 252), .value = 1},
        {.container = "Frame10", .name = "optGauss", .kind = ControlKind::Option,
         .caption = "Gaussian", .twips = QRect(240, 600, 972, 252)},
        {.name = "Frame1", .kind = ControlKind::Frame, .caption = "Hand Speed",
         .twips = QRect(120, 8280, 2292, 492), .font = bold},
        {.container = "Frame1", .name = "Label1", .kind = ControlKind::Label, .caption = "min",
         .twips = QRect(120, 240, 0, 0)},
        {.container = "Frame1", .name = "hsbSpeed", .kind = ControlKind::HScrollBar,
         .twips = QRect(612, 252, 960, 192), .font = bold, .value = 20,
         .range = {.minimum = 10, .maximum = 40, .smallChange = 1, .largeChange = 5}},
        {.container = "Frame1", .name = "Label2", .kind = ControlKind::Label, .caption = "max",
         .twips = QRect(1560, 240, 0, 0)},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

std::vector<ControlRow> parameterFrame()
{
    return {
        {.name = "frmPrams", .kind = ControlKind::Frame, .caption = "Parameters",
         .twips = QRect(8748, 6156, 3372, 2280), .font = parameters},
        // A blue border around the three slider groups, with a rule above the last one.
        {.container = "frmPrams", .name = "Line1(0)", .kind = ControlKind::Line,
         .twips = {}, .font = bold, .value = 4, .foreColor = blue,
         .lineTwips = QLine(240, 240, 3180, 240)},
        {.container = "frmPrams", .name = "Line1(1)", .kind = ControlKind::Line,
         .twips = {}, .font = bold, .value = 4, .foreColor = blue,
         .lineTwips = QLine(240, 2196, 3180, 2196)},
        {.container = "frmPrams", .name = "Line4(0)", .kind = ControlKind::Line,
         .twips = {}, .font = bold, .value = 4, .foreColor = blue,
         .lineTwips = QLine(240, 240, 240, 2196)},
        {.container = "frmPrams", .name = "Line4(1)", .kind = ControlKind::Line,
         .twips = {}, .font = bold, .value = 4, .foreColor = blue,
         .lineTwips = QLine(3180, 240, 3180, 2196)},
        {.container = "frmPrams", .name = "Line5", .kind = ControlKind::Line,
         .twips = {}, .font = bold, .value = 4, .foreColor = blue,
         .lineTwips = QLine(240, 1506, 3180, 1506)},
        {.container = "frmPrams", .name = "Frame4", .kind = ControlKind::Frame,
         .caption = "Cell response tuning", .twips = QRect(372, 288, 2730, 600), .font = inner},
        {.container = "Frame4", .name = "Label5", .kind = ControlKind::Label, .caption = "Coarse",
         .twips = QRect(225, 240, 0, 0)},
        {.container = "Frame4", .name = "hsbCelltune", .kind = ControlKind::HScrollBar,
         .twips = QRect(900, 264, 1152, 204), .font = bold, .value = 50,
         .range = {.minimum = 1, .maximum = 100, .smallChange = 2, .largeChange = 5}},
        {.container = "Frame4", .name = "Label6", .kind = ControlKind::Label, .caption = "Fine",
         .twips = QRect(2175, 255, 0, 0)},
        {.container = "frmPrams", .name = "Frame5", .kind = ControlKind::Frame,
         .caption = "Attention Boost", .twips = QRect(336, 912, 2748, 552), .font = inner},
        {.container = "Frame5", .name = "Label9", .kind = ControlKind::Label, .caption = "0",
         .twips = QRect(510, 210, 0, 0), .font = bold},
        {.container = "Frame5", .name = "hsbAttended", .kind = ControlKind::HScrollBar,
         .twips = QRect(870, 225, 1215, 195), .font = bold,
         .range = {.minimum = 0, .maximum = 100, .smallChange = 5, .largeChange = 10}},
        {.container = "Frame5", .name = "Label10", .kind = ControlKind::Label, .caption = "x2",
         .twips = QRect(2175, 210, 0, 0), .font = bold},
        {.container = "frmPrams", .name = "Frame6", .kind = ControlKind::Frame,
         .caption = "Suppression Level", .twips = QRect(324, 1548, 2730, 570), .font = inner},
        {.container = "Frame6", .name = "Label4", .kind = ControlKind::Label, .caption = "0",
         .twips = QRect(540, 210, 0, 0), .font = bold},
        {.container = "Frame6", .name = "hsbSuppLevel", .kind = ControlKind::HScrollBar,
         .twips = QRect(930, 240, 1170, 195), .font = bold, .value = 100,
         .range = {.minimum = 0, .maximum = 100, .smallChange = 5, .largeChange = 10}},
        {.container = "Frame6", .name = "Label8", .kind = ControlKind::Label, .caption = "1",
         .twips = QRect(2205, 225, 0, 0), .font = bold},
    };
}

// clang-format on

} // namespace

std::vector<host::ControlRow> layoutRows()
{
    std::vector<ControlRow> rows;
    for (auto part : {handDisplay, cellDisplay, sideControls, bottomControls, parameterFrame}) {
        const std::vector<ControlRow> more = part();
        rows.insert(rows.end(), more.begin(), more.end());
    }
    return rows;
}

} // namespace reach
