#pragma once

#include <QString>

#include <cstdint>

class QCheckBox;
class QScrollBar;
class QWidget;

namespace host {

// A horizontal scroll bar with the classic ranges and steps; its value changes only when the
// thumb is released (Change), dragging reports Scroll.
QScrollBar *makeScrollBar(QWidget *parent, int minimum, int maximum, int arrowStep, int pageStep,
                          int value);

// Check box values: 0 unticked, 1 ticked (2 greyed).
int16_t checkValue(const QCheckBox *box);
void setCheckValue(QCheckBox *box, int value);

} // namespace host
