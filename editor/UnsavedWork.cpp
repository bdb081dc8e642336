#include "editor/UnsavedWork.h"

#include <QCoreApplication>
#include <QMessageBox>

UnsavedWork::Answer UnsavedWork::ask(QWidget* parent)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("UnsavedWork", "Level Editor"),
                    QCoreApplication::translate("UnsavedWork", "Save changes to this level?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}
