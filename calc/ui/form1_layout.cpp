// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the numeral identifier window: where they sit (twips of their container),
// their captions, fonts and start states.

#include "calc/ui/form1_layout.h"

#include "calc/model/network.h"
#include "calc/ui/display_colors.h"
#include "host/forms/controls.h"

#include <utility>

namespace calc {

namespace {

using host::ControlKind;

using Row = host::ControlRow;

constexpr host::FontChoice captionFont {"MS Sans Serif", 9.75};
constexpr host::FontChoice boldFont {"MS Sans Serif", 8.25, true};
constexpr Qt::Alignment alignRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment alignCentre = Qt::AlignHCenter | Qt::AlignVCenter;

using enum ControlKind;

class Rows
{
public:
    void add(const Row &row) { m_rows.push_back(row); }
    // The rows, in their order, placed in a container.
    void addIn(const QString &container, std::initializer_list<Row> inside)
    {
        for (Row row : inside) {
            row.container = container;
            add(row);
        }
    }
    // A frame, its caption in the caption font.
    void addFrame(Row frame)
    {
        frame.kind = Frame;
        frame.font = captionFont;
        add(frame);
    }
    std::vector<host::ControlRow> take() { return std::move(m_rows); }

private:
    std::vector<host::ControlRow> m_rows;
};

// Top-left corners of the keypad buttons, by numeral.
constexpr int keypadCorners[16][2] = {
    {2124, 984},  {2604, 996},  {3084, 996},  {3564, 996},  {2112, 1356}, {2604, 1356},
    {3084, 1356}, {3564, 1356}, {2124, 1716}, {2616, 1716}, {3084, 1716}, {3564, 1716},
    {2136, 2076}, {2604, 2076}, {3084, 2076}, {3564, 2076},
};

// The seven segment boxes of the input figure, by segment index 0..6.
constexpr int segmentBoxes[7][4] = {
    {324, 756, 1212, 252},  {324, 996, 252, 1092},   {1284, 984, 252, 1092}, {324, 2064, 1212, 252},
    {324, 2304, 252, 1212}, {1284, 2304, 252, 1212}, {324, 3504, 1212, 252},
};

void addLearningFrame(Rows &rows)
{
    rows.addFrame({.name = "Frame1", .caption = "LEARNING", .twips = {240, 240, 3372, 2724}});
    // clang-format off
    rows.addIn("Frame1", {
        {.name = "Label2", .kind = Label, .caption = "Num. Epoques",
         .twips = {600, 240, 1092, 252}},
        {.name = "txtIpepoques", .kind = TextBox, .caption = "20", .twips = {1800, 240, 612, 288}},
        {.name = "chkGoSlow", .kind = CheckBox, .caption = "Run Slowly",
         .twips = {2025, 552, 1176, 252}},
        {.name = "chkShowWts", .kind = CheckBox, .caption = "Show Weights",
         .twips = {120, 828, 1425, 192}, .value = 1},
        {.name = "chkRandom", .kind = CheckBox, .caption = "Random Order",
         .twips = {1752, 816, 1416, 240}},
        {.name = "Label5", .kind = Label, .caption = "Learning Rate",
         .twips = {372, 1152, 1428, 240}, .align = alignRight},
        {.name = "txtLrate", .kind = TextBox, .caption = "0.05", .twips = {1896, 1116, 492, 288}},
        {.name = "commLearn", .kind = Button, .caption = "LEARN", .twips = {744, 1500, 1932, 372}},
        {.name = "lblEpoques", .kind = Label, .caption = "Epoques", .twips = {576, 1968, 1092, 252},
         .align = alignRight},
        {.name = "txtEpoques", .kind = TextBox, .caption = "0", .twips = {1788, 1956, 852, 288}},
        {.name = "lblError", .kind = Label, .caption = "Sum Error", .twips = {468, 2328, 1212, 252},
         .align = alignRight},
        {.name = "txtError", .kind = TextBox, .caption = "0", .twips = {1812, 2316, 852, 288}},
    });
    // clang-format on
}

void addRuleAndRunFrames(Rows &rows)
{
    // clang-format off
    rows.addFrame({.name = "frmArule", .caption = "Activation Function",
                   .twips = {3720, 276, 2652, 1212}});
    // The threshold option takes the focus, and with it the selection, when the window opens.
    rows.addIn("frmArule", {
        {.name = "optThresh", .kind = Option, .caption = "Threshold activation rule",
         .twips = {252, 360, 2052, 252}, .value = 1},
        {.name = "optSig", .kind = Option, .caption = "Sigmoid activation rule",
         .twips = {240, 720, 1932, 252}},
    });
    rows.addFrame({.name = "frame3", .caption = "Stop/Start", .twips = {3765, 1725, 2505, 1275}});
    rows.addIn("frame3", {
        {.name = "CommandHalt", .kind = Button, .caption = "Stop", .twips = {630, 315, 1110, 345}},
        {.name = "CommandRestart", .kind = Button, .caption = "ReStart",
         .twips = {555, 720, 1275, 345}},
    });
    // Check1 lies inside the rectangle of the learning frame; created after it, it shows
    // above it.
    rows.add({.name = "Check1", .kind = CheckBox, .caption = "Display I/O",
              .twips = {720, 792, 1092, 252}});
    // clang-format on
}

void addWeightDiagram(Rows &rows)
{
    // clang-format off
    rows.add({.name = "Label4", .kind = Label, .caption = "WEIGHTS DISPLAY",
              .twips = {6576, 1044, 4284, 300}, .font = captionFont, .align = alignCentre});
    rows.add({.name = "picWts", .kind = Picture,
              .twips = {6540, 1575, 4680, 7620}, .backColor = weightsBack});
    // clang-format on
    for (const SegmentIcon &icon : segmentIcons()) {
        rows.addIn("picWts",
                   {{.name = icon.name,
                     .kind = Line,
                     .value = 1,
                     .foreColor = icon.color,
                     .lineTwips = icon.ends}});
    }
}

void addNetworkFrame(Rows &rows)
{
    rows.addFrame({.name = "Frame2", .caption = "RUN NETWORK", .twips = {252, 3264, 6132, 6012}});
    auto in = [&rows](const Row &row) { rows.addIn("Frame2", {row}); };
    in({.name = "Label7",
        .kind = Label,
        .caption = "Input Units",
        .twips = {360, 372, 1296, 288},
        .font = boldFont,
        .align = alignCentre});
    for (int i = 0; i < 7; ++i) {
        const int *box = segmentBoxes[i];
        in({.name = host::arrayName("Picture1", i),
            .kind = Picture,
            .twips = {box[0], box[1], box[2], box[3]},
            .backColor = segmentCleared});
    }
    in({.name = "Shape1", .kind = Rectangle, .twips = {2004, 780, 2052, 1692}});
    for (int v = 0; v < 16; ++v) {
        in({.name = host::arrayName("commShownum", v),
            .kind = Button,
            .caption = numeralCaption(v),
            .twips = {keypadCorners[v][0], keypadCorners[v][1], 372, 252}});
    }
    // clang-format off
    rows.addIn("Frame2", {
        {.name = "Image1", .kind = Picture, .twips = {4590, 2040, 480, 480}},
        {.name = "Image2", .kind = Picture, .twips = {5070, 2040, 480, 480}},
        {.name = "Label6", .kind = Label, .caption = "Step through training set",
         .twips = {4164, 2580, 1728, 300}},
        {.name = "commProcessIp", .kind = Button, .caption = "Input Displayed Numeral",
         .twips = {2040, 3360, 1656, 552}},
        {.name = "Command1", .kind = Button, .caption = "See Wts",
         .twips = {4572, 3444, 1092, 432}},
    });
    // clang-format on
    // The output boxes of 1..9, 0, A in a row, those of b..F below; each numeral under its box.
    for (int v = 0; v < 16; ++v) {
        const int left = v <= 10 ? 480 * (v + 1) : 1680 + 480 * (v - 11);
        const int boxTop = v <= 10 ? 4080 : 4920;
        const int labelTop = v <= 10 ? 4560 : 5280;
        in({.name = host::arrayName("picOpnode", v),
            .kind = Picture,
            .twips = {left, boxTop, 372, 372},
            .backColor = outputRest});
        in({.name = host::arrayName("Label1", v),
            .kind = Label,
            .caption = numeralCaption(v),
            .twips = {left, labelTop, 252, 252}});
    }
    in({.name = "Label3",
        .kind = Label,
        .caption = "OUTPUT UNIT RESPONSE",
        .twips = {1800, 5640, 2052, 372}});
}

} // namespace

QString numeralCaption(int numeral) { return QString::fromStdString(numeralText(numeral)); }

std::vector<SegmentIcon> segmentIcons()
{
    // Per figure: left and right x, the three bar heights, the upper verticals (left; right)
    // and the lower verticals (left; right). Figures 6 and 7 sit 12 twips lower, and the
    // upper right vertical of figure 1 stands a little to the right and higher.
    struct Figure
    {
        int left, right, upperRightX;
        int bars[3];
        int upper[2][2];
        int lower[2][2];
    };
    constexpr Figure figures[7] = {
        {720, 996, 1008, {48, 372, 696}, {{120, 324}, {72, 264}}, {{432, 612}, {432, 636}}},
        {1248, 1524, 1524, {48, 372, 696}, {{120, 324}, {132, 324}}, {{432, 612}, {432, 636}}},
        {1764, 2040, 2040, {48, 372, 696}, {{120, 324}, {132, 324}}, {{432, 612}, {432, 636}}},
        {2292, 2568, 2568, {48, 372, 696}, {{120, 324}, {132, 324}}, {{432, 612}, {432, 636}}},
        {2820, 3096, 3096, {48, 372, 696}, {{120, 324}, {132, 324}}, {{432, 612}, {432, 636}}},
        {3324, 3600, 3600, {60, 384, 708}, {{132, 336}, {144, 336}}, {{444, 624}, {444, 648}}},
        {3840, 4116, 4116, {60, 384, 708}, {{132, 336}, {144, 336}}, {{444, 624}, {444, 648}}},
    };
    // Segment numbers of the bars (top, middle, bottom) and of the verticals (upper left,
    // upper right, lower left, lower right).
    constexpr int barSegment[3] = {1, 4, 7};
    constexpr int verticalSegment[4] = {2, 3, 5, 6};

    std::vector<SegmentIcon> icons;
    for (int j = 1; j <= 7; ++j) {
        const Figure &f = figures[j - 1];
        auto colorOf = [j](int segment) { return segment == j ? iconLit : iconGrey; };
        for (int b = 0; b < 3; ++b)
            icons.push_back({.name = host::arrayName("Line1", 3 * (j - 1) + b),
                             .color = colorOf(barSegment[b]),
                             .ends = QLine(f.left, f.bars[b], f.right, f.bars[b])});
        const int xs[4] = {f.left, f.upperRightX, f.left, f.right};
        const int(*ys[4])[2] = {&f.upper[0], &f.upper[1], &f.lower[0], &f.lower[1]};
        for (int s = 0; s < 4; ++s)
            icons.push_back({.name = host::arrayName("Line2", 4 * (j - 1) + s),
                             .color = colorOf(verticalSegment[s]),
                             .ends = QLine(xs[s], (*ys[s])[0], xs[s], (*ys[s])[1])});
    }
    return icons;
}

std::vector<host::ControlRow> form1Layout()
{
    Rows rows;
    addLearningFrame(rows);
    addRuleAndRunFrames(rows);
    addWeightDiagram(rows);
    addNetworkFrame(rows);
    return rows.take();
}

} // namespace calc
