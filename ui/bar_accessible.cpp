// SPDX-License-Identifier: MIT
#include "ui/bar_accessible.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include "controls/view_controls.h"
#include "ui/control_scroll_bar.h"

namespace {

class BarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit BarAccessible(ControlScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return currentValue().toString();
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return ScrollBar().ReportedValue(); }

    // A value set by an assistive tool acts as a thumb dropped at it.
    void setCurrentValue(const QVariant& value) override
    {
        if (ViewControls* controls = ScrollBar().Controls())
            controls->SetBarValue(ScrollBar().Which(), value.toDouble());
        else
            ScrollBar().setValue(value.toInt());
    }

    QVariant maximumValue() const override
    {
        if (const ViewControls* controls = ScrollBar().Controls())
            return controls->BarRange(ScrollBar().Which()).second;
        return ScrollBar().maximum();
    }

    QVariant minimumValue() const override
    {
        if (const ViewControls* controls = ScrollBar().Controls())
            return controls->BarRange(ScrollBar().Which()).first;
        return ScrollBar().minimum();
    }

    QVariant minimumStepSize() const override { return ScrollBar().singleStep(); }

private:
    ControlScrollBar& ScrollBar() const { return *static_cast<ControlScrollBar*>(widget()); }
};

QAccessibleInterface* BarAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(ControlScrollBar::staticMetaObject.className()))
        if (auto* bar = qobject_cast<ControlScrollBar*>(object))
            return new BarAccessible(bar);
    return nullptr;
}

} // namespace

void InstallBarAccessibility()
{
    QAccessible::removeFactory(BarAccessibleFactory); // installed once, however often asked
    QAccessible::installFactory(BarAccessibleFactory);
}
