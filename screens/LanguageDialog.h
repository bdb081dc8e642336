#pragma once

#include <QDialog>

class QListWidget;

// Game > Language...: the language the game speaks from its next start, or "System" to follow the
// desktop's. A window that has been drawn keeps its words, so the choice waits for a restart.
class LanguageDialog : public QDialog {
    Q_OBJECT
public:
    // chosen: the remembered choice ("" for System); desktop: the language the desktop's gives.
    LanguageDialog(const QString& chosen, const QString& desktop, QWidget* parent = nullptr);

    // The choice made: a language's code, or "" for System.
    QString chosen() const;

    QListWidget* listLanguages;
};
