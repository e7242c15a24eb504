// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/ui/form1_layout.h"

#include "host/forms/layout_table.h"
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
    rows.push_back(ControlRow {.name = "Frame1",
                               .kind = ControlKind::Frame,
                               .caption = "External Input",
                               .twips = {240, 360, 6132, 2172},
                               .font = {"MS Sans Serif", 12}});
    rows.push_back(ControlRow {.container = "Frame1",
                               .name = "Label16",
                               .kind = ControlKind::Label,
                               .caption = "Units",
                               .twips = {2280, 240, 1212, 252},
                               .font = {"Book Antiqua", 7.5, true},
                               .align = centred});
    for (int k = 0; k < unitCount; ++k) {
        const int x = 120 + 600 * k;
        rows.push_back(ControlRow {.container = "Frame1",
                                   .name = host::arrayName("Label3", k),
                                   .kind = ControlKind::Label,
                                   .caption = QString::number(k + 1),
                                   .twips = {x, 480, 252, 252}});
        rows.push_back(ControlRow {.container = "Frame1",
                                   .name = host::arrayName("text1", k),
                                   .kind = ControlKind::TextBox,
                                   .caption = "0",
                                   .twips = {x, 720, 492, 288}});
        rows.push_back(
            ControlRow {.container = "Frame1",
                        .name = host::arrayName("VScroll1", k),
                        .kind = ControlKind::VScrollBar,
                        .twips = k == 4 ? QRect(2532, 1056, 252, 372) : QRect(x, 1080, 252, 372),
                        .font = plain,
                        .range = levelRange});
    }
    rows.push_back(ControlRow {.container = "Frame1",
                               .name = "chkUpdate",
                               .kind = ControlKind::CheckBox,
                               .caption = "Update bar graph online",
                               .twips = {120, 1680, 2052, 252}});
    rows.push_back(ControlRow {.container = "Frame1",
                               .name = "commExtipdef",
                               .kind = ControlKind::Button,
                               .caption = "DEFAULT INPUT",
                               .twips = {4080, 1680, 1812, 252}});
}

// A heading or range of the parameter table: a label sized by its caption.
ControlRow parameterLabel(const char *name, const char *caption, int x, int y)
{
    return {.container = "Frame2",
            .name = name,
            .kind = ControlKind::Label,
            .caption = caption,
            .twips = {x, y, 0, 0}};
}

// "Parameters": column headings, one row per weight and the noise (label, value box,
// scroll bar, range label), and the red default-parameters button.
void addParameterFrame(std::vector<ControlRow> &rows)
{
    rows.push_back(ControlRow {.name = "Frame2",
                               .kind = ControlKind::Frame,
                               .caption = "Parameters",
                               .twips = {240, 3000, 6132, 2772},
                               .font = {"MS Sans Serif", 13.5}});
    rows.push_back(parameterLabel("Label5", "Parameter", 1680, 360));
    rows.push_back(parameterLabel("Label6", "Value", 2880, 360));
    rows.push_back(parameterLabel("Label15", "Change", 3840, 360));
    rows.push_back(parameterLabel("Label14", "Range", 5160, 360));

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
        {.label = "Label13",
         .caption = "Lateral inhibitory weight",
         .labelTwips = {240, 720, 2412, 252},
         .align = right,
         .box = "txtNegwt",
         .bar = "hsbNegwt",
         .maximum = 200,
         .rangeLabel = "Label9",
         .range = "(0-2)"},
        {.label = "Label12",
         .caption = "Positive feedback weight",
         .labelTwips = {240, 1080, 2412, 252},
         .align = right,
         .box = "txtPoswt",
         .bar = "hsbPoswt",
         .maximum = 100,
         .rangeLabel = "Label8",
         .range = "(0-1)"},
        {.label = "Label18",
         .caption = "Noise (Std. Dev.)",
         .labelTwips = {1080, 1440, 1572, 252},
         .align = left,
         .box = "txtNoise",
         .bar = "hsbNoise",
         .maximum = 100,
         .rangeLabel = "Label19",
         .range = "(0-0.2)"},
    };
    for (const Parameter &p : parameters) {
        const int y = p.labelTwips.y();
        rows.push_back(ControlRow {.container = "Frame2",
                                   .name = p.label,
                                   .kind = ControlKind::Label,
                                   .caption = p.caption,
                                   .twips = p.labelTwips,
                                   .font = rowFont,
                                   .align = p.align});
        rows.push_back(ControlRow {.container = "Frame2",
                                   .name = p.box,
                                   .kind = ControlKind::TextBox,
                                   .caption = "0",
                                   .twips = {2880, y, 612, 288}});
        rows.push_back(ControlRow {.container = "Frame2",
                                   .name = p.bar,
                                   .kind = ControlKind::HScrollBar,
                                   .twips = {3720, y, 1092, 252},
                                   .font = plain,
                                   .range = {0, p.maximum, 1, 5}});
        rows.push_back(parameterLabel(p.rangeLabel, p.range, 5160, y));
    }
    rows.push_back(ControlRow {.container = "Frame2",
                               .name = "Label2",
                               .kind = ControlKind::Label,
                               .caption = "Default Setting",
                               .twips = {120, 2280, 1452, 372},
                               .font = rowFont,
                               .align = right});
    rows.push_back(ControlRow {.container = "Frame2",
                               .name = "comPardef",
                               .kind = ControlKind::Button,
                               .twips = {1680, 2280, 252, 252},
                               .font = plain,
                               .backColor = QColor(192, 0, 0)});
}

// One of the two counts of the performance frame: its label, box, scroll bar (0..100) and
// range label, on one row.
void addCountRow(std::vector<ControlRow> &rows, const ControlRow &label, const char *box,
                 const char *startText, const char *bar, int largeChange, int rangeIndex)
{
    const int y = label.twips.y();
    rows.push_back(label);
    rows.push_back(ControlRow {.container = "Frame3",
                               .name = box,
                               .kind = ControlKind::TextBox,
                               .caption = startText,
                               .twips = {1680, y, 492, 288}});
    rows.push_back(ControlRow {.container = "Frame3",
                               .name = bar,
                               .kind = ControlKind::HScrollBar,
                               .twips = {2280, y, 1092, 252},
                               .font = plain,
                               .range = {0, 100, 1, largeChange}});
    rows.push_back(ControlRow {.container = "Frame3",
                               .name = host::arrayName("Label7", rangeIndex),
                               .kind = ControlKind::Label,
                               .caption = "(1-100)",
                               .twips = {3480, y, 612, 252}});
}

// "Performance": iterations, input offset, inhibition rule, ramped onset and RUN.
void addPerformanceFrame(std::vector<ControlRow> &rows)
{
    rows.push_back(ControlRow {.name = "Frame3",
                               .kind = ControlKind::Frame,
                               .caption = "Performance",
                               .twips = {240, 6120, 6132, 2652},
                               .font = {"MS Sans Serif", 13.5}});
    addCountRow(rows,
                {.container = "Frame3",
                 .name = "Label11",
                 .kind = ControlKind::Label,
                 .caption = "No. of Iterations",
                 .twips = {0, 480, 1572, 252},
                 .font = rowFont,
                 .align = right},
                "txtIter", "0", "hsbNiterations", 5, 0);
    addCountRow(rows,
                {.container = "Frame3",
                 .name = "Label17",
                 .kind = ControlKind::Label,
                 .caption = "Ext. Input offset",
                 .twips = {120, 1080, 1572, 252},
                 .font = rowFont},
                "txtExtipoff", " ", "hsbExtipoff", 1, 1);
    rows.push_back(ControlRow {.container = "Frame3",
                               .name = "Frame4",
                               .kind = ControlKind::Frame,
                               .caption = "LI Rule",
                               .twips = {120, 1560, 2292, 972},
                               .font = rowFont});
    rows.push_back(ControlRow {.container = "Frame4",
                               .name = "optRegLI",
                               .kind = ControlKind::Option,
                               .caption = "Standard ",
                               .twips = {960, 240, 1092, 252},
                               .font = plain,
                               .value = 1});
    rows.push_back(ControlRow {.container = "Frame4",
                               .name = "optQ94",
                               .kind = ControlKind::Option,
                               .caption = "Quillet Variation",
                               .twips = {240, 600, 1812, 252}});
    rows.push_back(ControlRow {.container = "Frame3",
                               .name = "chkRamp",
                               .kind = ControlKind::CheckBox,
                               .caption = "Use ramped onset",
                               .twips = {4200, 480, 1572, 315}});
    rows.push_back(ControlRow {.container = "Frame3",
                               .name = "commRun",
                               .kind = ControlKind::Button,
                               .caption = "RUN",
                               .twips = {3480, 1920, 1212, 372},
                               .font = {"MS Sans Serif", 12, true}});
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
