#pragma once

#include <QString>

class QLabel;
class QWidget;

// Names for a screen reader where a control's own text does not say what it is.
namespace AccessibleNames {

// A label that shows a value (a score, a count, a clock): its name says what the value is
// ("Score", not "120"), and its description and value are the text it shows, as it shows it.
void nameValue(QLabel* value, const QString& name);

// A control's name, and a sentence on what it does where its name alone does not say.
void name(QWidget* control, const QString& name, const QString& description = QString());

}  // namespace AccessibleNames
