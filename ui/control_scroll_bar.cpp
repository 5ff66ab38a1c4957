#include "ui/control_scroll_bar.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

#include "ui/control_ids.h"

ControlScrollBar::ControlScrollBar(int controlId, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), m_controlId(controlId)
{
    setRange(0, 0); // no range until the first curve button
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
}

void ControlScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (minimum() != maximum() || event->button() != Qt::LeftButton)
        return QScrollBar::mousePressEvent(event);
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QStyle::SubControl control = style()->hitTestComplexControl(
        QStyle::CC_ScrollBar, &option, event->position().toPoint(), this);
    if (control == QStyle::SC_ScrollBarSubLine)
        triggerAction(SliderSingleStepSub);
    else if (control == QStyle::SC_ScrollBarAddLine)
        triggerAction(SliderSingleStepAdd);
    else if (control == QStyle::SC_ScrollBarSubPage)
        triggerAction(SliderPageStepSub);
    else if (control == QStyle::SC_ScrollBarAddPage)
        triggerAction(SliderPageStepAdd);
    event->accept();
}

int ScrollCodeOf(int sliderAction)
{
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepSub:
        return kLineUp;
    case QAbstractSlider::SliderSingleStepAdd:
        return kLineDown;
    case QAbstractSlider::SliderPageStepSub:
        return kPageUp;
    case QAbstractSlider::SliderPageStepAdd:
        return kPageDown;
    case QAbstractSlider::SliderMove:
        return kThumbTrack;
    case QAbstractSlider::SliderToMinimum:
        return kTop;
    case QAbstractSlider::SliderToMaximum:
        return kBottom;
    default:
        return -1;
    }
}
