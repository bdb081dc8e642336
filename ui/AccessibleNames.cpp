#include "ui/AccessibleNames.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char* const ValueMark = "pondrakeValueLabel";

class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description || t == QAccessible::Value)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* valueLabelFactory(const QString& className, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    if (className == QLatin1String("QLabel") && label && label->property(ValueMark).toBool())
        return new ValueLabelAccessible(label);
    return nullptr;
}

}  // namespace

void AccessibleNames::nameValue(QLabel* value, const QString& name)
{
    static const bool installed = (QAccessible::installFactory(valueLabelFactory), true);
    Q_UNUSED(installed);
    value->setProperty(ValueMark, true);
    // A label may have met QAccessible before it was marked (setting its text asks for its
    // interface): the plain interface goes, and the next question makes this one.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(value);
    if (made && !dynamic_cast<ValueLabelAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    value->setAccessibleName(name);
}

void AccessibleNames::name(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
}
