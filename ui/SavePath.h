#pragma once

#include <QString>

class QWidget;

// Asks where to save a file, in Qt's own dialog (the same on every desktop, and what the tests
// drive): proposed is the file's name in the home folder, filter the kinds shown, suffix the
// ending added to a name typed without one. The path chosen, or nothing when the player cancels.
QString askSavePath(QWidget* parent, const QString& title, const QString& proposed, const QString& filter,
                    const QString& suffix);
