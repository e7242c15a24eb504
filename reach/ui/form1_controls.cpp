// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the reach window, where they sit (twips of their container), their
// captions, fonts and start states.

#include "reach/ui/form1.h"

#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/picture_area.h"
#include "reach/ui/hand_picture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace reach {

namespace {

using host::ControlKind;
using host::ControlRow;

// The window's bold sans serif, the plain one of the smaller captions, the serif of the
// parameter group and the italic serif of its inner frames.
constexpr host::FontChoice bold {"MS Sans Serif", 8.25, true};
constexpr host::FontChoice plain {"MS Sans Serif", 8.25};
constexpr host::FontChoice parameters {"Garamond", 11.25, true};
constexpr host::FontChoice inner {"Times New Roman", 8.25, false, true};

const QColor blue(0, 0, 255);
const QColor lineBlue(128, 128, 255);

std::vector<ControlRow> handDisplay()
{
    return {
        {"", "Label3", ControlKind::Label, "HAND TRAJECTORY DISPLAY", {420, 168, 4824, 228}, bold},
        {"",
         "picture1",
         ControlKind::Picture,
         "",
         {120, 600, 5424, 5424},
         bold,
         0,
         {},
         {},
         QColor(255, 255, 192)},
        {"picture1", "Frame12", ControlKind::Frame, " Target Position", {0, 24, 2412, 852}, bold},
        {"Frame12",
         "optTarget",
         ControlKind::Option,
         "PlacingTarget",
         {144, 204, 1395, 285},
         plain},
        {"Frame12", "Label11(0)", ControlKind::Label, "X =", {120, 480, 0, 0}, bold},
        {"Frame12", "txtTxpos", ControlKind::TextBox, " ", {480, 480, 492, 288}, bold},
        {"Frame12", "Label12(0)", ControlKind::Label, "Y=", {1200, 480, 0, 0}, bold},
        {"Frame12", "txtTypos", ControlKind::TextBox, " ", {1560, 480, 492, 288}, bold},
        {"picture1",
         "Frame13",
         ControlKind::Frame,
         "Distractor Position",
         {3120, 0, 2412, 852},
         bold},
        {"Frame13",
         "optDistractor",
         ControlKind::Option,
         "Placing Distractor",
         {264, 192, 1548, 300},
         plain},
        {"Frame13", "Label11(1)", ControlKind::Label, "X =", {240, 480, 0, 0}, bold},
        {"Frame13", "txtDxpos", ControlKind::TextBox, " ", {600, 480, 492, 288}, bold},
        {"Frame13", "Label12(1)", ControlKind::Label, "Y=", {1176, 492, 0, 0}, bold},
        {"Frame13", "txtDypos", ControlKind::TextBox, " ", {1560, 492, 492, 288}, bold},
        {"picture1", "commReach", ControlKind::Button, "REACH", {600, 4788, 1128, 384}, plain},
        {"picture1", "commRestart", ControlKind::Button, "RESTART", {3408, 4800, 1128, 396}, plain},
        {"picture1", "Label11(2)", ControlKind::Label, "X ", {1884, 4920, 0, 0}, bold},
        {"picture1", "txtHandx", ControlKind::TextBox, "", {2160, 4920, 372, 288}, bold},
        {"picture1", "Label12(2)", ControlKind::Label, "Y", {3024, 4932, 0, 0}, bold},
        {"picture1", "txtHandy", ControlKind::TextBox, " ", {2640, 4920, 372, 288}, bold},
        // Child pictures, moved in display units by start-up.
        {"picture1",
         "target",
         ControlKind::Picture,
         "",
         {0, 0, 195, 210},
         bold,
         0,
         {},
         {},
         QColor(192, 64, 0)},
        {"picture1",
         "distractor",
         ControlKind::Picture,
         "",
         {0, 0, 195, 210},
         bold,
         0,
         {},
         {},
         blue},
        {"picture1",
         "Hand",
         ControlKind::Picture,
         "",
         {0, 0, 468, 516},
         bold,
         0,
         {},
         {},
         Qt::white},
    };
}

std::vector<ControlRow> cellDisplay()
{
    return {
        {"",
         "Label7",
         ControlKind::Label,
         "DIRECTION CELL RESPONSE DISPLAY",
         {6996, 144, 4980, 240},
         bold},
        {"",
         "cell1",
         ControlKind::Picture,
         "",
         {6720, 612, 5400, 5400},
         bold,
         0,
         {},
         {},
         Qt::white},
        {"cell1",
         "chkBarChart",
         ControlKind::CheckBox,
         "Bar Chart",
         {4080, 5040, 1212, 252},
         bold,
         0},
        {"cell1",
         "chkColCode",
         ControlKind::CheckBox,
         "Colour Code",
         {96, 5004, 1488, 312},
         bold,
         1,
         {},
         {},
         QColor(192, 0, 0),
         blue},
    };
}

std::vector<ControlRow> sideControls()
{
    std::vector<ControlRow> rows {
        {"", "Frame2", ControlKind::Frame, " ", {5640, 1320, 972, 972}, bold},
        {"Frame2",
         "Shape1",
         ControlKind::RoundedRectangle,
         "",
         {0, 120, 972, 852},
         bold,
         0,
         {},
         {},
         {},
         QColor(128, 64, 0)},
        {"Frame2",
         "chkOnLinePath",
         ControlKind::CheckBox,
         "Show path online",
         {120, 120, 735, 735},
         plain,
         1},
        {"", "Frame3", ControlKind::Frame, "Path Colour", {5640, 2400, 975, 1710}, plain},
    };
    struct Ink
    {
        int index, top;
        QColor colour;
    };
    for (const Ink &ink : {Ink {5, 240, QColor(64, 0, 64)}, Ink {4, 600, QColor(192, 0, 0)},
                           Ink {3, 960, QColor(0, 0, 255)}, Ink {6, 1320, QColor(0, 128, 128)}}) {
        rows.push_back({"Frame3",
                        host::arrayName("picInk", ink.index),
                        ControlKind::Picture,
                        "",
                        {120, ink.top, 300, 255},
                        bold,
                        0,
                        {},
                        {},
                        ink.colour});
        rows.push_back({"Frame3",
                        host::arrayName("opInk", ink.index),
                        ControlKind::Option,
                        ink.index == 5 ? "4" : "Option1",
                        {480, ink.top, 255, 255},
                        bold,
                        ink.index == 5});
    }
    rows.push_back(
        {"", "commDelPath", ControlKind::Button, "Delete Path", {5760, 4320, 735, 615}, plain});
    return rows;
}

std::vector<ControlRow> bottomControls()
{
    std::vector<ControlRow> rows {
        // Lines on the window's background, partly hidden behind the printing frame.
        {"",
         "Line2",
         ControlKind::Line,
         "",
         {},
         bold,
         4,
         {},
         {},
         {},
         lineBlue,
         {4440, 8520, 7800, 8520}},
        {"",
         "Line3",
         ControlKind::Line,
         "",
         {},
         bold,
         4,
         {},
         {},
         {},
         lineBlue,
         {4560, 8520, 7920, 8520}},
        {"",
         "chkWithWithout",
         ControlKind::CheckBox,
         "Do +/- distractor comparison",
         {120, 6000, 2412, 252},
         plain,
         0},
        {"", "Frame8", ControlKind::Frame, "Target Pos.", {120, 6360, 1332, 1692}, bold},
        {"", "Frame9", ControlKind::Frame, "Distractor Pos.", {1560, 6360, 1332, 1692}, bold},
    };
    const char *presetCaptions[] = {"Near Right", "Near Left", "Far Right", "Far Left"};
    const int targetTops[] = {288, 600, 960, 1320};
    const int distractorTops[] = {240, 600, 960, 1320};
    for (int i = 0; i < 4; ++i) {
        rows.push_back({"Frame8",
                        host::arrayName("optTpos", i),
                        ControlKind::Option,
                        presetCaptions[i],
                        {120, targetTops[i], 1104, 240},
                        plain});
        rows.push_back({"Frame9",
                        host::arrayName("optDpos", i),
                        ControlKind::Option,
                        presetCaptions[i],
                        {120, distractorTops[i], 1092, 252},
                        plain});
    }
    const std::vector<ControlRow> rest {
        {"", "Frame7", ControlKind::Frame, "Distractor processing", {3120, 6360, 2292, 1692}, bold},
        {"Frame7",
         "chkSeeDistractor",
         ControlKind::CheckBox,
         "Respond to Distractor",
         {120, 276, 1935, 390},
         plain},
        {"Frame7",
         "chkSuppDist",
         ControlKind::CheckBox,
         "Suppress Distractor",
         {120, 612, 1935, 375},
         plain},
        {"Frame7",
         "chkDisteffect",
         ControlKind::CheckBox,
         "Distance dependent response",
         {120, 960, 1935, 405},
         plain},
        {"Frame7",
         "chkSidestop",
         ControlKind::CheckBox,
         "Lateral Inhibition",
         {120, 1440, 1692, 192},
         plain},
        {"", "Frame11", ControlKind::Frame, "Printing", {5592, 7248, 2412, 1644}, bold},
        {"Frame11",
         "chkPrinting",
         ControlKind::CheckBox,
         "Store hand paths",
         {360, 192, 1812, 252},
         bold},
        {"Frame11", "commPrint", ControlKind::Button, "Print", {240, 516, 732, 408}, bold},
        {"Frame11", "ckKill", ControlKind::Button, "Kill Print", {1380, 528, 732, 408}, plain},
        {"Frame11",
         "optPrintHand",
         ControlKind::Option,
         "Hand Display",
         {312, 1056, 1452, 192},
         bold,
         1},
        {"Frame11",
         "optPrintCell",
         ControlKind::Option,
         "Cell Display",
         {324, 1356, 1890, 192},
         bold},
        {"", "Frame10", ControlKind::Frame, "Cell Response", {6720, 6120, 1695, 972}, bold},
        {"Frame10", "optExp", ControlKind::Option, "Exponential", {240, 240, 1335, 252}, plain, 1},
        {"Frame10", "optGauss", ControlKind::Option, "Gaussian", {240, 600, 972, 252}, plain},
        {"", "Frame1", ControlKind::Frame, "Hand Speed", {120, 8280, 2292, 492}, bold},
        {"Frame1", "Label1", ControlKind::Label, "min", {120, 240, 0, 0}, plain},
        {"Frame1",
         "hsbSpeed",
         ControlKind::HScrollBar,
         "",
         {612, 252, 960, 192},
         bold,
         20,
         {10, 40, 1, 5}},
        {"Frame1", "Label2", ControlKind::Label, "max", {1560, 240, 0, 0}, plain},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

std::vector<ControlRow> parameterFrame()
{
    return {
        {"", "frmPrams", ControlKind::Frame, "Parameters", {8748, 6156, 3372, 2280}, parameters},
        // A blue border around the three slider groups, with a rule above the last one.
        {"frmPrams",
         "Line1(0)",
         ControlKind::Line,
         "",
         {},
         bold,
         4,
         {},
         {},
         {},
         blue,
         {240, 240, 3180, 240}},
        {"frmPrams",
         "Line1(1)",
         ControlKind::Line,
         "",
         {},
         bold,
         4,
         {},
         {},
         {},
         blue,
         {240, 2196, 3180, 2196}},
        {"frmPrams",
         "Line4(0)",
         ControlKind::Line,
         "",
         {},
         bold,
         4,
         {},
         {},
         {},
         blue,
         {240, 240, 240, 2196}},
        {"frmPrams",
         "Line4(1)",
         ControlKind::Line,
         "",
         {},
         bold,
         4,
         {},
         {},
         {},
         blue,
         {3180, 240, 3180, 2196}},
        {"frmPrams",
         "Line5",
         ControlKind::Line,
         "",
         {},
         bold,
         4,
         {},
         {},
         {},
         blue,
         {240, 1506, 3180, 1506}},
        {"frmPrams",
         "Frame4",
         ControlKind::Frame,
         "Cell response tuning",
         {372, 288, 2730, 600},
         inner},
        {"Frame4", "Label5", ControlKind::Label, "Coarse", {225, 240, 0, 0}, plain},
        {"Frame4",
         "hsbCelltune",
         ControlKind::HScrollBar,
         "",
         {900, 264, 1152, 204},
         bold,
         50,
         {1, 100, 2, 5}},
        {"Frame4", "Label6", ControlKind::Label, "Fine", {2175, 255, 0, 0}, plain},
        {"frmPrams", "Frame5", ControlKind::Frame, "Attention Boost", {336, 912, 2748, 552}, inner},
        {"Frame5", "Label9", ControlKind::Label, "0", {510, 210, 0, 0}, bold},
        {"Frame5",
         "hsbAttended",
         ControlKind::HScrollBar,
         "",
         {870, 225, 1215, 195},
         bold,
         0,
         {0, 100, 5, 10}},
        {"Frame5", "Label10", ControlKind::Label, "x2", {2175, 210, 0, 0}, bold},
        {"frmPrams",
         "Frame6",
         ControlKind::Frame,
         "Suppression Level",
         {324, 1548, 2730, 570},
         inner},
        {"Frame6", "Label4", ControlKind::Label, "0", {540, 210, 0, 0}, bold},
        {"Frame6",
         "hsbSuppLevel",
         ControlKind::HScrollBar,
         "",
         {930, 240, 1170, 195},
         bold,
         100,
         {0, 100, 5, 10}},
        {"Frame6", "Label8", ControlKind::Label, "1", {2205, 225, 0, 0}, bold},
    };
}

} // namespace

void Form1::createControls()
{
    setFont(host::classicFont(bold));
    std::vector<ControlRow> rows;
    for (auto part : {handDisplay, cellDisplay, sideControls, bottomControls, parameterFrame}) {
        const std::vector<ControlRow> more = part();
        rows.insert(rows.end(), more.begin(), more.end());
    }
    host::layOut(client(), rows);

    picture1 = control<host::PictureArea>("picture1");
    cell1 = control<host::PictureArea>("cell1");
    target = control<host::PictureArea>("target");
    distractor = control<host::PictureArea>("distractor");
    Hand = control<host::PictureArea>("Hand");
    Hand->setPicture(handPicture());
    for (int i = 3; i <= 6; ++i) {
        picInk[i] = control<host::PictureArea>(host::arrayName("picInk", i));
        opInk[i] = control<QRadioButton>(host::arrayName("opInk", i));
    }
    for (int i = 0; i < 4; ++i) {
        optTpos[i] = control<QRadioButton>(host::arrayName("optTpos", i));
        optDpos[i] = control<QRadioButton>(host::arrayName("optDpos", i));
    }
    for (auto [field, name] : {std::pair {&optTarget, "optTarget"},
                               {&optDistractor, "optDistractor"},
                               {&optExp, "optExp"},
                               {&optGauss, "optGauss"},
                               {&optPrintHand, "optPrintHand"},
                               {&optPrintCell, "optPrintCell"}})
        *field = control<QRadioButton>(name);
    for (auto [field, name] : {std::pair {&chkWithWithout, "chkWithWithout"},
                               {&chkOnLinePath, "chkOnLinePath"},
                               {&chkBarChart, "chkBarChart"},
                               {&chkColCode, "chkColCode"},
                               {&chkSeeDistractor, "chkSeeDistractor"},
                               {&chkSuppDist, "chkSuppDist"},
                               {&chkDisteffect, "chkDisteffect"},
                               {&chkSidestop, "chkSidestop"},
                               {&chkPrinting, "chkPrinting"}})
        *field = control<QCheckBox>(name);
    for (auto [field, name] : {std::pair {&commReach, "commReach"},
                               {&commRestart, "commRestart"},
                               {&commDelPath, "commDelPath"},
                               {&commPrint, "commPrint"},
                               {&ckKill, "ckKill"}})
        *field = control<QPushButton>(name);
    for (auto [field, name] : {std::pair {&txtTxpos, "txtTxpos"},
                               {&txtTypos, "txtTypos"},
                               {&txtDxpos, "txtDxpos"},
                               {&txtDypos, "txtDypos"},
                               {&txtHandx, "txtHandx"},
                               {&txtHandy, "txtHandy"}})
        *field = control<QLineEdit>(name);
    for (auto [field, name] : {std::pair {&hsbSpeed, "hsbSpeed"},
                               {&hsbCelltune, "hsbCelltune"},
                               {&hsbAttended, "hsbAttended"},
                               {&hsbSuppLevel, "hsbSuppLevel"}})
        *field = control<host::ScrollBar>(name);
    createMenu();
    addToolTips();
}

void Form1::createMenu()
{
    QMenu *sims = addMenu("mnuSims", "&Simulations");
    const char *captions[] = {"Near &Right", "Near &Left", "&Far Right", "F&ar Left"};
    for (int i = 0; i < 4; ++i)
        host::onMenuClick(addMenuItem(sims, host::arrayName("itSim", i), captions[i]),
                          [this, i] { itSim_Click(i); });
    addMenuSeparator(sims, "itLine");
    host::onMenuClick(addMenuItem(sims, "itAll", "All &Positions"), [this] { itAll_Click(); });
}

// What each control and picture does in the model, in one sentence, shown when the pointer
// rests on it.
void Form1::addToolTips()
{
    const std::pair<const char *, const char *> tips[] = {
        {"picture1",
         "The hand trajectory display: the hand starts at (0, 0) and draws its path toward the "
         "target; press here to place the target or the distractor chosen above."},
        {"cell1",
         "The direction cell response display: one spoke (or bar) per cell, pointing in the "
         "cell's preferred direction and as long as its response."},
        {"target", "The target the hand reaches for; pressing on it chooses placing the target."},
        {"distractor",
         "The distractor, a non-target the cells respond to while \"Respond to Distractor\" is "
         "on; releasing the mouse on it chooses placing the distractor."},
        {"Hand",
         "The hand: its fingertip marks the position from which the cells see the target and the "
         "distractor."},
        {"optTarget",
         "Press on the display to put the target there and drag to move it; the choice switches "
         "to the distractor when the mouse is released on the blue distractor square."},
        {"optDistractor",
         "Press on the display to put the distractor there and drag to move it; the choice "
         "switches to the target when the mouse is pressed on the brown target square."},
        {"txtTxpos", "The target's x in display units, 2 units in from its square's corner."},
        {"txtTypos", "The target's y in display units, 2 units in from its square's corner."},
        {"txtDxpos", "The distractor's x in display units, 2 units in from its square's corner."},
        {"txtDypos", "The distractor's y in display units, 2 units in from its square's corner."},
        {"commReach",
         "Moves the hand step by step along the population vector of the cell responses until it "
         "is within 2 units of the target or more than 10 units above it."},
        {"commRestart",
         "Puts the hand back at (0, 0) and makes REACH available again; the paths stay drawn."},
        {"txtHandx", "The hand's x after its latest step."},
        {"txtHandy", "The hand's y after its latest step."},
        {"chkBarChart",
         "Shows the responses as bars, the rightward cells on the right and the leftward cells on "
         "the left, instead of spokes."},
        {"chkColCode",
         "Colours each cell by the share of its response the target drives: red for the target "
         "alone, shading to blue as the distractor's share grows."},
        {"chkOnLinePath", "Draws the hand's path on the display while the hand moves."},
        {"commDelPath", "Clears the paths and redraws the baseline in the current path colour."},
        {"chkWithWithout",
         "REACH runs the same reach twice: without the distractor in dark red, then from the "
         "start again with it in blue."},
        {"chkSeeDistractor",
         "Cells respond to the distractor as well, each by its tuning to the distractor's "
         "direction from the hand."},
        {"chkSuppDist",
         "Turns the distractor's part of every response negative, scaled by the Suppression "
         "Level."},
        {"chkDisteffect",
         "Weakens the response to a stimulus with its distance from the hand: full at 0, a "
         "quarter at 100 units and beyond."},
        {"chkSidestop",
         "After the responses, each cell gains a tenth of the responses around it (four cells "
         "each side) and loses a twentieth of the rest, kept within 0 to 2."},
        {"chkPrinting",
         "Stores every later hand path on the printer page, thick while the distractor is "
         "responded to."},
        {"commPrint",
         "Prints the chosen display with a legend and the current settings (the hand display "
         "with the stored paths)."},
        {"ckKill", "Discards the page being prepared, stored paths included."},
        {"optPrintHand", "Print puts the hand display with the stored paths on the page."},
        {"optPrintCell", "Print puts the cell display, as it is drawn now, on the page."},
        {"optExp",
         "Exponential tuning: a cell's response falls as e to the power -k times the angle "
         "between its preferred direction and the stimulus."},
        {"optGauss",
         "Gaussian tuning: the response falls as e to the power -k times the angle squared, "
         "flat near the preferred direction."},
        {"hsbSpeed", "The step length of the next reach: the value / 10, from 1 to 4 units."},
        {"hsbCelltune",
         "The tuning width k = value / 5: Coarse gives every cell a broad tuning curve, Fine a "
         "narrow one."},
        {"hsbAttended",
         "Attention Boost multiplies the target-driven part of every response by 1 + value / "
         "100, from 1 to 2."},
        {"hsbSuppLevel",
         "How much a suppressed distractor takes away: its part of each response times the value "
         "/ 100, from 0 to 1."},
    };
    for (const auto &[name, tip] : tips)
        host::setToolTip(control<QWidget>(name), tip);

    const char *places[] = {"Near Right", "Near Left", "Far Right", "Far Left"};
    for (int i = 0; i < 4; ++i) {
        host::setToolTip(optTpos[i],
                         QString("Puts the target at the %1 place; the cells show it at their "
                                 "next redraw.")
                             .arg(places[i]));
        host::setToolTip(optDpos[i],
                         QString("Puts the distractor at the %1 place; the cells show it at their "
                                 "next redraw.")
                             .arg(places[i]));
    }
    struct Ink
    {
        int index;
        const char *colour;
    };
    for (const Ink &ink :
         {Ink {3, "blue"}, Ink {4, "dark red"}, Ink {5, "dark purple"}, Ink {6, "teal"}}) {
        const QString tip = QString("Draws the paths from now on in %1.").arg(ink.colour);
        host::setToolTip(picInk[ink.index], tip);
        host::setToolTip(opInk[ink.index], tip);
    }
}

} // namespace reach
