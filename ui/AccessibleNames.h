#pragma once

#include <QString>

class QLabel;
class QWidget;

// Names for a screen reader where a control's own text does not say what it is.
namespace AccessibleNames {

// A label that shows a value (a score, a count, a clock): its name says what the value is
// ("Score", not "120"), and its description and value are the text it shows, as it shows it.
// When the value shown changes, a screen reader is told: as a change of its description, which
// the desktop's accessibility bridge passes on (it drops value changes of objects that are no
// value controls). Told as it is drawn, so a value hidden or changed twice between two frames
// is told once, or not at all.
void nameValue(QLabel* value, const QString& name);

// A control's name, and a sentence on what it does where its name alone does not say.
void name(QWidget* control, const QString& name, const QString& description = QString());

}  // namespace AccessibleNames
