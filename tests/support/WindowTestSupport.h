#pragma once

// For tests of windows: answers to modal windows, files in and out (FileTestSupport.h), and a
// window's layout compared with a golden file.

#include "tests/support/FileTestSupport.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>

// Acts on the next modal window of a kind once it is open.
template <class Window = QWidget>
void onNextModal(std::function<void(std::type_identity_t<Window>*)> action)
{
    QTimer::singleShot(0, [action] {
        if (auto* modal = qobject_cast<Window*>(QApplication::activeModalWidget()))
            action(modal);
        else
            onNextModal<Window>(action);
    });
}

// The next message box's title and text go into told; the box is then answered with the button
// given, or closed when it has no such button.
inline void answerNextMessage(QString& told, QMessageBox::StandardButton answer = QMessageBox::Ok)
{
    onNextModal<QMessageBox>([&told, answer](QMessageBox* box) {
        told = box->windowTitle() + QStringLiteral(": ") + box->text();
        if (QAbstractButton* button = box->button(answer))
            button->click();
        else
            box->reject();
    });
}

inline void answerFileDialog(const QString& file)
{
    onNextModal<QFileDialog>([file](QFileDialog* dialog) {
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as its OK button
    });
}

// A window's widgets, one line each (depth first): kind, name, place and size, font and what it
// shows. A control moved, resized, restyled or lost changes its line.
inline std::string layoutOf(const QWidget& window)
{
    QString text;
    QDebug out(&text);
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        out << "\n" << w->metaObject()->className() << w->objectName() << w->geometry() << w->font().pointSizeF();
        if (const auto* label = qobject_cast<const QLabel*>(w))
            out << label->text() << label->palette().color(QPalette::WindowText) << label->alignment()
                << (label->wordWrap() ? "wrap" : "");
        if (const auto* button = qobject_cast<const QPushButton*>(w))
            out << button->text() << (button->autoDefault() ? "autoDefault" : "");
        if (const auto* s = qobject_cast<const QSlider*>(w))
            out << s->minimum() << s->maximum() << s->singleStep() << s->pageStep() << s->tickInterval()
                << s->tickPosition();
    }
    return text.replace(QRegularExpression(QStringLiteral(" *\n *")), QStringLiteral("\n")).trimmed().toStdString() +
           '\n';
}

// The golden file lies beside the tests; the failure shows the layout to write into it.
inline void expectLayout(const QWidget& window, const char* golden)
{
    EXPECT_EQ(layoutOf(window), readFile(QStringLiteral(PONDRAKE_TESTS_DIR "/") + QLatin1String(golden)).toStdString());
}
