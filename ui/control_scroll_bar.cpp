// SPDX-License-Identifier: MIT
#include "ui/control_scroll_bar.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include "controls/spoken_value.h"
#include "controls/view_controls.h"

namespace {

// One notch of a wheel, in eighths of a degree; high-resolution wheels send
// fractions of it.
constexpr int kWheelNotch = 120;
constexpr int kFocusFrameWidth = 2;

} // namespace

ControlScrollBar::ControlScrollBar(int controlId, Bar bar, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), m_controlId(controlId), m_bar(bar)
{
    setRange(0, 0); // no range until the first curve button
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::valueChanged, this, &ControlScrollBar::AnnounceValue);
}

void ControlScrollBar::ReportValueOf(ViewControls* controls) { m_controls = controls; }

QVariant ControlScrollBar::ReportedValue() const
{
    if (!m_controls)
        return value();
    const double spoken = SpokenBarValue(*m_controls, m_bar);
    if (m_bar == Bar::P)
        return spoken;
    return static_cast<int>(spoken);
}

// The slider announces its thumb position on every change; the Z thumb runs
// against the zoom, so the value it stands for is announced after it.
void ControlScrollBar::AnnounceValue()
{
    if (!m_controls || !QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(this, ReportedValue());
    QAccessible::updateAccessibility(&event);
}

// QScrollBar handles the wheel in event() itself, as a thumb move; here a
// notch is one arrow click, so the view controls apply their arrow rules.
bool ControlScrollBar::event(QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        Wheel(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QScrollBar::event(event);
}

void ControlScrollBar::Wheel(QWheelEvent* event)
{
    m_wheelAngle += event->angleDelta().y();
    for (; m_wheelAngle >= kWheelNotch; m_wheelAngle -= kWheelNotch)
        triggerAction(SliderSingleStepSub);
    for (; m_wheelAngle <= -kWheelNotch; m_wheelAngle += kWheelNotch)
        triggerAction(SliderSingleStepAdd);
    event->accept();
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

void ControlScrollBar::contextMenuEvent(QContextMenuEvent* event) { event->ignore(); }

// Most styles draw no focus on a scroll bar; a frame in the highlight colour
// shows where the arrow keys go.
void ControlScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    const QColor colour = palette().color(QPalette::Highlight);
    const int w = width(), h = height(), f = kFocusFrameWidth;
    painter.fillRect(0, 0, w, f, colour);
    painter.fillRect(0, h - f, w, f, colour);
    painter.fillRect(0, 0, f, h, colour);
    painter.fillRect(w - f, 0, f, h, colour);
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
