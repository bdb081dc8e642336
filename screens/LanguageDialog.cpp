#include "screens/LanguageDialog.h"

#include "ui/AccessibleNames.h"
#include "ui/Translations.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

LanguageDialog::LanguageDialog(const QString& chosen, const QString& desktop, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Language"));
    auto* layout = new QVBoxLayout(this);
    listLanguages = new QListWidget(this);
    AccessibleNames::name(listLanguages, tr("Languages"), tr("The language the game speaks from its next start"));
    layout->addWidget(listLanguages);
    const auto add = [this](const QString& text, const QString& code) {
        (new QListWidgetItem(text, listLanguages))->setData(Qt::UserRole, code);
    };
    add(tr("System (%1)").arg(Translations::nativeName(desktop)), QString());
    for (const QString& code : QStringList{Translations::English} + Translations::Shipped)
        add(Translations::nativeName(code), code);
    listLanguages->setCurrentRow(0);
    for (int row = 1; row < listLanguages->count(); ++row)
        if (listLanguages->item(row)->data(Qt::UserRole).toString() == chosen)
            listLanguages->setCurrentRow(row);

    auto* note = new QLabel(tr("The game speaks the language chosen here when it is started again."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &LanguageDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LanguageDialog::reject);
    connect(listLanguages, &QListWidget::itemDoubleClicked, this, &LanguageDialog::accept);
}

QString LanguageDialog::chosen() const
{
    const QListWidgetItem* item = listLanguages->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}
