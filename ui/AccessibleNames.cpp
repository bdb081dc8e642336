#include "ui/AccessibleNames.h"

#include <QAccessibleWidget>
#include <QEvent>
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

// Tells of a label's new text when the label draws it.
class ValueWatch : public QObject {
public:
    explicit ValueWatch(QLabel* label) : QObject(label), m_told(label->text()) { label->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* label = static_cast<QLabel*>(watched);
        if (event->type() == QEvent::Paint && label->text() != m_told) {
            m_told = label->text();
            QAccessibleEvent changed(label, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        }
        return false;
    }

private:
    QString m_told;
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
    if (!value->property(ValueMark).toBool())
        new ValueWatch(value);
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
