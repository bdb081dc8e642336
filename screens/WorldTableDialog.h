#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// Game > World Table...: the world table's address (empty: the game never uses the network) and
// whether games that enter the top ten are sent to it.
class WorldTableDialog : public QDialog {
    Q_OBJECT
public:
    WorldTableDialog(const QString& address, bool sendGames, QWidget* parent = nullptr);

    QString address() const;
    bool sendGames() const;

    QLineEdit* addressEdit;
    QCheckBox* sendCheck;
};
