#include "screens/WorldTableDialog.h"

#include "ui/AccessibleNames.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

WorldTableDialog::WorldTableDialog(const QString& address, bool sendGames, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("World Table"));
    auto* form = new QFormLayout(this);

    addressEdit = new QLineEdit(address, this);
    addressEdit->setObjectName(QStringLiteral("addressEdit"));
    addressEdit->setPlaceholderText(tr("for example scores.example.org:8080"));
    addressEdit->setMinimumWidth(320);
    form->addRow(tr("Server &address:"), addressEdit);
    AccessibleNames::name(addressEdit, tr("Server address"), tr("The world table's address; empty for none"));

    sendCheck = new QCheckBox(tr("Send my top-ten games"), this);
    sendCheck->setObjectName(QStringLiteral("sendCheck"));
    sendCheck->setChecked(sendGames);
    form->addRow(sendCheck);

    auto* about = new QLabel(tr("A game that enters your top ten is sent with its replay and the name you entered, "
                                "nothing else. With no address the game never uses the network."),
                             this);
    about->setWordWrap(true);
    about->setObjectName(QStringLiteral("aboutLabel"));
    form->addRow(about);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->setObjectName(QStringLiteral("buttons"));
    form->addRow(buttons);
}

QString WorldTableDialog::address() const { return addressEdit->text().trimmed(); }

bool WorldTableDialog::sendGames() const { return sendCheck->isChecked(); }
