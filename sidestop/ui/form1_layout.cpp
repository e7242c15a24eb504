// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/ui/form1_layout.h"

#include "sidestop/model/network.h"

namespace sidestop {

namespace {

using host::ControlKind;
using host::ControlRow;
using host::FontChoice;

constexpr FontChoice plain {"MS Sans Serif", 8.25};
constexpr FontChoice rowFont {"MS Sans Serif", 9.75};
constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;

// A unit's level bar: 100 at the top, 0 at the bottom; an arrow moves it by 2, the track by 10.
constexpr host::ScrollBar::Range levelRange {100, 0, 2, 10};

// "External Input": per unit its number, its input as text and its level bar, then the
// online update switch and the default input button.
void addInputFrame(std::vector<ControlRow> &rows)
{
    rows.push_back({"",
                    "Frame1",
                    ControlKind::Frame,
                    "External Input",
                    {240, 360, 6132, 2172},
                    {"MS Sans Serif", 12}});
    rows.push_back({"Frame1",
                    "Label16",
                    ControlKind::Label,
                    "Units",
                    {2280, 240, 1212, 252},
                    {"Book Antiqua", 7.5, true},
                    0,
                    {},
                    centred});
    for (int k = 0; k < kUnits; ++k) {
        const int x = 120 + 600 * k;
        rows.push_back({"Frame1",
                        host::arrayName("Label3", k),
                        ControlKind::Label,
                        QString::number(k + 1),
                        {x, 480, 252, 252}});
        rows.push_back(
            {"Frame1", host::arrayName("text1", k), ControlKind::TextBox, "0", {x, 720, 492, 288}});
        const QRect bar = k == 4 ? QRect(2532, 1056, 252, 372) : QRect(x, 1080, 252, 372);
        rows.push_back({"Frame1", host::arrayName("VScroll1", k), ControlKind::VScrollBar, "", bar,
                        plain, 0, levelRange});
    }
    rows.push_back({"Frame1",
                    "chkUpdate",
                    ControlKind::CheckBox,
                    "Update bar graph online",
                    {120, 1680, 2052, 252}});
    rows.push_back(
        {"Frame1", "commExtipdef", ControlKind::Button, "DEFAULT INPUT", {4080, 1680, 1812, 252}});
}

// "Parameters": column headings, one row per weight and the noise (label, value box,
// scroll bar, range label), and the red default-parameters button.
void addParameterFrame(std::vector<ControlRow> &rows)
{
    rows.push_back({"",
                    "Frame2",
                    ControlKind::Frame,
                    "Parameters",
                    {240, 3000, 6132, 2772},
                    {"MS Sans Serif", 13.5}});
    rows.push_back({"Frame2", "Label5", ControlKind::Label, "Parameter", {1680, 360, 0, 0}});
    rows.push_back({"Frame2", "Label6", ControlKind::Label, "Value", {2880, 360, 0, 0}});
    rows.push_back({"Frame2", "Label15", ControlKind::Label, "Change", {3840, 360, 0, 0}});
    rows.push_back({"Frame2", "Label14", ControlKind::Label, "Range", {5160, 360, 0, 0}});

    struct Parameter
    {
        const char *label, *caption;
        QRect labelTwips;
        Qt::Alignment align;
        const char *box, *bar;
        int maximum;
        const char *rangeLabel, *range;
    };
    const Parameter parameters[] {
        {"Label13",
         "Lateral inhibitory weight",
         {240, 720, 2412, 252},
         right,
         "txtNegwt",
         "hsbNegwt",
         200,
         "Label9",
         "(0-2)"},
        {"Label12",
         "Positive feedback weight",
         {240, 1080, 2412, 252},
         right,
         "txtPoswt",
         "hsbPoswt",
         100,
         "Label8",
         "(0-1)"},
        {"Label18",
         "Noise (Std. Dev.)",
         {1080, 1440, 1572, 252},
         left,
         "txtNoise",
         "hsbNoise",
         100,
         "Label19",
         "(0-0.2)"},
    };
    for (const Parameter &p : parameters) {
        const int y = p.labelTwips.y();
        rows.push_back({"Frame2",
                        p.label,
                        ControlKind::Label,
                        p.caption,
                        p.labelTwips,
                        rowFont,
                        0,
                        {},
                        p.align});
        rows.push_back({"Frame2", p.box, ControlKind::TextBox, "0", {2880, y, 612, 288}});
        rows.push_back({"Frame2",
                        p.bar,
                        ControlKind::HScrollBar,
                        "",
                        {3720, y, 1092, 252},
                        plain,
                        0,
                        {0, p.maximum, 1, 5}});
        rows.push_back({"Frame2", p.rangeLabel, ControlKind::Label, p.range, {5160, y, 0, 0}});
    }
    rows.push_back({"Frame2",
                    "Label2",
                    ControlKind::Label,
                    "Default Setting",
                    {120, 2280, 1452, 372},
                    rowFont,
                    0,
                    {},
                    right});
    rows.push_back({"Frame2",
                    "comPardef",
                    ControlKind::Button,
                    "",
                    {1680, 2280, 252, 252},
                    plain,
                    0,
                    {},
                    left,
                    QColor(192, 0, 0)});
}

// "Performance": iterations, input offset, inhibition rule, ramped onset and RUN.
void addPerformanceFrame(std::vector<ControlRow> &rows)
{
    rows.push_back({"",
                    "Frame3",
                    ControlKind::Frame,
                    "Performance",
                    {240, 6120, 6132, 2652},
                    {"MS Sans Serif", 13.5}});
    rows.push_back({"Frame3",
                    "Label11",
                    ControlKind::Label,
                    "No. of Iterations",
                    {0, 480, 1572, 252},
                    rowFont,
                    0,
                    {},
                    right});
    rows.push_back({"Frame3", "txtIter", ControlKind::TextBox, "0", {1680, 480, 492, 288}});
    rows.push_back({"Frame3",
                    "hsbNiterations",
                    ControlKind::HScrollBar,
                    "",
                    {2280, 480, 1092, 252},
                    plain,
                    0,
                    {0, 100, 1, 5}});
    rows.push_back({"Frame3",
                    host::arrayName("Label7", 0),
                    ControlKind::Label,
                    "(1-100)",
                    {3480, 480, 612, 252}});
    rows.push_back({"Frame3",
                    "Label17",
                    ControlKind::Label,
                    "Ext. Input offset",
                    {120, 1080, 1572, 252},
                    rowFont});
    rows.push_back({"Frame3", "txtExtipoff", ControlKind::TextBox, " ", {1680, 1080, 492, 288}});
    rows.push_back({"Frame3",
                    "hsbExtipoff",
                    ControlKind::HScrollBar,
                    "",
                    {2280, 1080, 1092, 252},
                    plain,
                    0,
                    {0, 100, 1, 1}});
    rows.push_back({"Frame3",
                    host::arrayName("Label7", 1),
                    ControlKind::Label,
                    "(1-100)",
                    {3480, 1080, 612, 252}});
    rows.push_back(
        {"Frame3", "Frame4", ControlKind::Frame, "LI Rule", {120, 1560, 2292, 972}, rowFont});
    rows.push_back(
        {"Frame4", "optRegLI", ControlKind::Option, "Standard ", {960, 240, 1092, 252}, plain, 1});
    rows.push_back(
        {"Frame4", "optQ94", ControlKind::Option, "Quillet Variation", {240, 600, 1812, 252}});
    rows.push_back(
        {"Frame3", "chkRamp", ControlKind::CheckBox, "Use ramped onset", {4200, 480, 1572, 315}});
    rows.push_back({"Frame3",
                    "commRun",
                    ControlKind::Button,
                    "RUN",
                    {3480, 1920, 1212, 372},
                    {"MS Sans Serif", 12, true}});
}

} // namespace

const std::vector<ControlRow> &form1Layout()
{
    static const std::vector<ControlRow> rows = [] {
        std::vector<ControlRow> all;
        addInputFrame(all);
        addParameterFrame(all);
        addPerformanceFrame(all);
        return all;
    }();
    return rows;
}

} // namespace sidestop
