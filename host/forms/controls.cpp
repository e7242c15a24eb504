#include "host/forms/controls.h"

#include <QCheckBox>
#include <QScrollBar>

namespace host {

QScrollBar *makeScrollBar(QWidget *parent, int minimum, int maximum, int arrowStep, int pageStep,
                          int value)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(arrowStep);
    bar->setPageStep(pageStep);
    bar->setValue(value);
    bar->setTracking(false);
    return bar;
}

int16_t checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void setCheckValue(QCheckBox *box, int value)
{
    box->setCheckState(value == 1       ? Qt::Checked
                           : value == 2 ? Qt::PartiallyChecked
                                        : Qt::Unchecked);
}

} // namespace host
