#pragma once

#include <QDialog>

// A dialog that fills itself in when it is first shown, not when it is made: load() runs once,
// just before the dialog first appears, so that what it shows is read at that moment.
class FirstShowDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    virtual void load() = 0;

    void showEvent(QShowEvent* event) override
    {
        if (!m_loaded) {
            m_loaded = true;
            load();
        }
        QDialog::showEvent(event);
    }

private:
    bool m_loaded = false;
};
