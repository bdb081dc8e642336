#pragma once

// Answers the next modal window of a kind once it is open: how a test replies to a message box,
// picks a file in a file dialog or lets a level-over window go.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <type_traits>

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
