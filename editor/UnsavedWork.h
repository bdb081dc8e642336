#pragma once

class QWidget;

// The one question asked before the editor's level is set aside while it holds unsaved changes
// (Exit, the close box, playing a set): "Save changes to this level?".
namespace UnsavedWork {

enum class Answer { Save, Discard, Cancel };

// Shows the question over parent and returns the designer's answer; Escape and the close box
// answer Cancel, so nothing is lost by a stray key.
Answer ask(QWidget* parent);

}  // namespace UnsavedWork
