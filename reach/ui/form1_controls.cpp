// The controls of the reach window, where they sit (twips of their container), their
// captions, fonts and start states.

#include "reach/ui/form1.h"

#include "host/forms/colors.h"
#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/layout.h"
#include "host/forms/picture_area.h"
#include "host/forms/decorations.h"
#include "reach/ui/hand_picture.h"
#include "host/forms/wrapping_buttons.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>

namespace reach {

namespace {

const QColor formGrey(192, 192, 192);

// The window's bold sans serif, the plain one of the smaller captions, the serif of the
// parameter group and the italic serif of its inner frames.
enum class Face { Form, Plain, Parameters, Inner };

QFont fontOf(Face face)
{
    switch (face) {
    case Face::Plain:
        return host::classicFont("MS Sans Serif", 8.25);
    case Face::Parameters:
        return host::classicFont("Garamond", 11.25, true);
    case Face::Inner:
        return host::classicFont("Times New Roman", 8.25, false, true);
    case Face::Form:
        break;
    }
    return host::classicFont("MS Sans Serif", 8.25, true);
}

template <typename Control>
Control *place(Control *control, const QString &name, QRect twips, Face face = Face::Form)
{
    control->setObjectName(name);
    control->setFont(fontOf(face));
    control->setAutoFillBackground(true);
    host::placeTwips(control, twips.x(), twips.y(), twips.width(), twips.height());
    return control;
}

QGroupBox *frame(QWidget *container, const QString &name, const QString &caption, QRect twips,
                 Face face = Face::Form)
{
    return place(new QGroupBox(caption, container), name, twips, face);
}

// A label sized to its caption, its top-left corner at (left, top).
QLabel *label(QWidget *container, const QString &name, const QString &caption, int left, int top,
              Face face = Face::Form)
{
    auto *control = new QLabel(caption, container);
    control->setObjectName(name);
    control->setFont(fontOf(face));
    control->setAutoFillBackground(true);
    control->adjustSize();
    control->move(host::twipsToPixels(left), host::twipsToPixels(top));
    return control;
}

QLineEdit *textBox(QWidget *container, const QString &name, const QString &text, QRect twips)
{
    auto *box = place(new QLineEdit(text, container), name, twips);
    box->setCursorPosition(0);
    return box;
}

QPushButton *button(QWidget *container, const QString &name, const QString &caption, QRect twips,
                    Face face = Face::Form)
{
    return place(new host::WrappingPushButton(caption, container), name, twips, face);
}

QCheckBox *checkBox(QWidget *container, const QString &name, const QString &caption, QRect twips,
                    int value, Face face = Face::Form)
{
    auto *box = place(new host::WrappingCheckBox(caption, container), name, twips, face);
    host::setCheckValue(box, value);
    return box;
}

QRadioButton *option(QWidget *container, const QString &name, const QString &caption, QRect twips,
                     bool selected, Face face = Face::Form)
{
    auto *choice = place(new QRadioButton(caption, container), name, twips, face);
    choice->setChecked(selected);
    return choice;
}

QScrollBar *slider(QWidget *container, const QString &name, QRect twips, int minimum, int maximum,
                   int arrowStep, int pageStep, int value)
{
    auto *bar = host::makeScrollBar(container, minimum, maximum, arrowStep, pageStep, value);
    bar->setObjectName(name);
    host::placeTwips(bar, twips.x(), twips.y(), twips.width(), twips.height());
    return bar;
}

host::PictureArea *pictureArea(QWidget *container, const QString &name, QRect twips, QColor back)
{
    auto *area = new host::PictureArea(container);
    area->setObjectName(name);
    host::placeTwips(area, twips.x(), twips.y(), twips.width(), twips.height());
    area->setBackColor(back);
    return area;
}

// A child picture of the hand display, moved there in display units by start-up.
host::PictureArea *childPicture(QWidget *display, const QString &name, int widthTwips,
                                int heightTwips, QColor back)
{
    return pictureArea(display, name, QRect(0, 0, widthTwips, heightTwips), back);
}

} // namespace

void Form1::createControls()
{
    QPalette classic = palette();
    classic.setColor(QPalette::Window, formGrey);
    classic.setColor(QPalette::Button, formGrey);
    setPalette(classic);
    setFont(fontOf(Face::Form));
    setWindowTitle(" ");

    QWidget *form = client();
    createHandDisplay(form);
    createCellDisplay(form);
    createSideControls(form);
    createBottomControls(form);
    createParameterFrame(form);
    createMenu();
}

void Form1::createHandDisplay(QWidget *form)
{
    label(form, "Label3", "HAND TRAJECTORY DISPLAY", 420, 168)
        ->resize(host::twipsToPixels(4824), host::twipsToPixels(228));
    picture1 = pictureArea(form, "picture1", {120, 600, 5424, 5424}, QColor(255, 255, 192));

    auto *frame12 = frame(picture1, "Frame12", " Target Position", {0, 24, 2412, 852});
    optTarget
        = option(frame12, "optTarget", "PlacingTarget", {144, 204, 1395, 285}, false, Face::Plain);
    label(frame12, host::arrayName("Label11", 0), "X =", 120, 480);
    txtTxpos = textBox(frame12, "txtTxpos", " ", {480, 480, 492, 288});
    label(frame12, host::arrayName("Label12", 0), "Y=", 1200, 480);
    txtTypos = textBox(frame12, "txtTypos", " ", {1560, 480, 492, 288});

    auto *frame13 = frame(picture1, "Frame13", "Distractor Position", {3120, 0, 2412, 852});
    optDistractor = option(frame13, "optDistractor", "Placing Distractor", {264, 192, 1548, 300},
                           false, Face::Plain);
    label(frame13, host::arrayName("Label11", 1), "X =", 240, 480);
    txtDxpos = textBox(frame13, "txtDxpos", " ", {600, 480, 492, 288});
    label(frame13, host::arrayName("Label12", 1), "Y=", 1176, 492);
    txtDypos = textBox(frame13, "txtDypos", " ", {1560, 492, 492, 288});

    commReach = button(picture1, "commReach", "REACH", {600, 4788, 1128, 384}, Face::Plain);
    commRestart = button(picture1, "commRestart", "RESTART", {3408, 4800, 1128, 396}, Face::Plain);
    label(picture1, host::arrayName("Label11", 2), "X ", 1884, 4920);
    txtHandx = textBox(picture1, "txtHandx", "", {2160, 4920, 372, 288});
    label(picture1, host::arrayName("Label12", 2), "Y", 3024, 4932);
    txtHandy = textBox(picture1, "txtHandy", " ", {2640, 4920, 372, 288});

    target = childPicture(picture1, "target", 195, 210, QColor(192, 64, 0));
    distractor = childPicture(picture1, "distractor", 195, 210, QColor(0, 0, 255));
    Hand = childPicture(picture1, "Hand", 468, 516, Qt::white);
    Hand->setPicture(handPicture());

    // A press on anything inside the display belongs to that control, never to the display.
    for (QWidget *child : picture1->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setAttribute(Qt::WA_NoMousePropagation);
}

void Form1::createCellDisplay(QWidget *form)
{
    label(form, "Label7", "DIRECTION CELL RESPONSE DISPLAY", 6996, 144)
        ->resize(host::twipsToPixels(4980), host::twipsToPixels(240));
    cell1 = pictureArea(form, "cell1", {6720, 612, 5400, 5400}, Qt::white);
    chkBarChart = checkBox(cell1, "chkBarChart", "Bar Chart", {4080, 5040, 1212, 252}, 0);
    chkColCode = checkBox(cell1, "chkColCode", "Colour Code", {96, 5004, 1488, 312}, 1);
    QPalette redAndBlue = chkColCode->palette();
    redAndBlue.setColor(QPalette::Window, QColor(192, 0, 0));
    redAndBlue.setColor(QPalette::Button, QColor(192, 0, 0));
    redAndBlue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    chkColCode->setPalette(redAndBlue);
}

void Form1::createSideControls(QWidget *form)
{
    auto *frame2 = frame(form, "Frame2", " ", {5640, 1320, 972, 972});
    new host::RoundedShape(frame2, "Shape1", QColor(128, 64, 0), {0, 120, 972, 852});
    chkOnLinePath = checkBox(frame2, "chkOnLinePath", "Show path online", {120, 120, 735, 735}, 1,
                             Face::Plain);

    auto *frame3 = frame(form, "Frame3", "Path Colour", {5640, 2400, 975, 1710}, Face::Plain);
    struct Ink
    {
        int index, top;
        QColor colour;
    };
    const Ink inks[] = {{5, 240, QColor(64, 0, 64)},
                        {4, 600, QColor(192, 0, 0)},
                        {3, 960, QColor(0, 0, 255)},
                        {6, 1320, QColor(0, 128, 128)}};
    for (const Ink &ink : inks) {
        picInk[ink.index] = pictureArea(frame3, host::arrayName("picInk", ink.index),
                                        {120, ink.top, 300, 255}, ink.colour);
        opInk[ink.index]
            = option(frame3, host::arrayName("opInk", ink.index), ink.index == 5 ? "4" : "Option1",
                     {480, ink.top, 255, 255}, ink.index == 5);
    }

    commDelPath = button(form, "commDelPath", "Delete Path", {5760, 4320, 735, 615}, Face::Plain);
}

void Form1::createBottomControls(QWidget *form)
{
    // Lines on the window's background, partly hidden behind the printing frame.
    new host::LineControl(form, "Line2", QColor(128, 128, 255), 4, {4440, 8520}, {7800, 8520});
    new host::LineControl(form, "Line3", QColor(128, 128, 255), 4, {4560, 8520}, {7920, 8520});

    chkWithWithout = checkBox(form, "chkWithWithout", "Do +/- distractor comparison",
                              {120, 6000, 2412, 252}, 0, Face::Plain);

    const char *presetCaptions[] = {"Near Right", "Near Left", "Far Right", "Far Left"};
    const int targetTops[] = {288, 600, 960, 1320};
    const int distractorTops[] = {240, 600, 960, 1320};
    auto *frame8 = frame(form, "Frame8", "Target Pos.", {120, 6360, 1332, 1692});
    auto *frame9 = frame(form, "Frame9", "Distractor Pos.", {1560, 6360, 1332, 1692});
    for (int i = 0; i < 4; ++i) {
        optTpos[i] = option(frame8, host::arrayName("optTpos", i), presetCaptions[i],
                            {120, targetTops[i], 1104, 240}, false, Face::Plain);
        optDpos[i] = option(frame9, host::arrayName("optDpos", i), presetCaptions[i],
                            {120, distractorTops[i], 1092, 252}, false, Face::Plain);
    }

    auto *frame7 = frame(form, "Frame7", "Distractor processing", {3120, 6360, 2292, 1692});
    chkSeeDistractor = checkBox(frame7, "chkSeeDistractor", "Respond to Distractor",
                                {120, 276, 1935, 390}, 0, Face::Plain);
    chkSuppDist = checkBox(frame7, "chkSuppDist", "Suppress Distractor", {120, 612, 1935, 375}, 0,
                           Face::Plain);
    chkDisteffect = checkBox(frame7, "chkDisteffect", "Distance dependent response",
                             {120, 960, 1935, 405}, 0, Face::Plain);
    chkSidestop = checkBox(frame7, "chkSidestop", "Lateral Inhibition", {120, 1440, 1692, 192}, 0,
                           Face::Plain);

    auto *frame11 = frame(form, "Frame11", "Printing", {5592, 7248, 2412, 1644});
    chkPrinting = checkBox(frame11, "chkPrinting", "Store hand paths", {360, 192, 1812, 252}, 0);
    commPrint = button(frame11, "commPrint", "Print", {240, 516, 732, 408});
    ckKill = button(frame11, "ckKill", "Kill Print", {1380, 528, 732, 408}, Face::Plain);
    optPrintHand = option(frame11, "optPrintHand", "Hand Display", {312, 1056, 1452, 192}, true);
    optPrintCell = option(frame11, "optPrintCell", "Cell Display", {324, 1356, 1890, 192}, false);

    auto *frame10 = frame(form, "Frame10", "Cell Response", {6720, 6120, 1695, 972});
    optExp = option(frame10, "optExp", "Exponential", {240, 240, 1335, 252}, true, Face::Plain);
    optGauss = option(frame10, "optGauss", "Gaussian", {240, 600, 972, 252}, false, Face::Plain);

    auto *frame1 = frame(form, "Frame1", "Hand Speed", {120, 8280, 2292, 492});
    label(frame1, "Label1", "min", 120, 240, Face::Plain);
    hsbSpeed = slider(frame1, "hsbSpeed", {612, 252, 960, 192}, 10, 40, 1, 5, 20);
    label(frame1, "Label2", "max", 1560, 240, Face::Plain);
}

void Form1::createParameterFrame(QWidget *form)
{
    auto *frmPrams
        = frame(form, "frmPrams", "Parameters", {8748, 6156, 3372, 2280}, Face::Parameters);

    // A blue border around the three slider groups, with a rule above the last one.
    const QColor blue(0, 0, 255);
    new host::LineControl(frmPrams, host::arrayName("Line1", 0), blue, 4, {240, 240}, {3180, 240});
    new host::LineControl(frmPrams, host::arrayName("Line1", 1), blue, 4, {240, 2196}, {3180, 2196});
    new host::LineControl(frmPrams, host::arrayName("Line4", 0), blue, 4, {240, 240}, {240, 2196});
    new host::LineControl(frmPrams, host::arrayName("Line4", 1), blue, 4, {3180, 240}, {3180, 2196});
    new host::LineControl(frmPrams, "Line5", blue, 4, {240, 1506}, {3180, 1506});

    auto *frame4
        = frame(frmPrams, "Frame4", "Cell response tuning", {372, 288, 2730, 600}, Face::Inner);
    label(frame4, "Label5", "Coarse", 225, 240, Face::Plain);
    hsbCelltune = slider(frame4, "hsbCelltune", {900, 264, 1152, 204}, 1, 100, 2, 5, 50);
    label(frame4, "Label6", "Fine", 2175, 255, Face::Plain);

    auto *frame5 = frame(frmPrams, "Frame5", "Attention Boost", {336, 912, 2748, 552}, Face::Inner);
    label(frame5, "Label9", "0", 510, 210);
    hsbAttended = slider(frame5, "hsbAttended", {870, 225, 1215, 195}, 0, 100, 5, 10, 0);
    label(frame5, "Label10", "x2", 2175, 210);

    auto *frame6
        = frame(frmPrams, "Frame6", "Suppression Level", {324, 1548, 2730, 570}, Face::Inner);
    label(frame6, "Label4", "0", 540, 210);
    hsbSuppLevel = slider(frame6, "hsbSuppLevel", {930, 240, 1170, 195}, 0, 100, 5, 10, 100);
    label(frame6, "Label8", "1", 2205, 225);
}

void Form1::createMenu()
{
    menuBar()->setFont(fontOf(Face::Form));
    QMenu *sims = menuBar()->addMenu("Simulations");
    sims->setObjectName("mnuSims");
    const char *captions[] = {"Near Right", "Near Left", "Far Right", "Far Left"};
    for (int i = 0; i < 4; ++i) {
        QAction *item = sims->addAction(captions[i]);
        item->setObjectName(host::arrayName("itSim", i));
        host::onTriggered(item, [this, i] { itSim_Click(i); });
    }
    sims->addSeparator()->setObjectName("itLine");
    QAction *all = sims->addAction("All Positions");
    all->setObjectName("itAll");
    host::onTriggered(all, [this] { itAll_Click(); });
}

} // namespace reach
