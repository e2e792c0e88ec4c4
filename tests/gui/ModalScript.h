#pragma once

#include <QString>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

// Acts inside modal loops: each step runs once the active modal window has
// the step's title, in order. A step that opens another modal window lets
// the next steps run inside it. A script that stalls fails the test and
// closes the modal windows, so no test hangs.
class ModalScript {
public:
    ModalScript();
    ~ModalScript();

    ModalScript& When(const QString& title, std::function<void(QWidget&)> step);
    bool Done() const { return m_steps.empty(); }

private:
    void Poll();

    struct Step {
        QString title;
        std::function<void(QWidget&)> run;
    };
    std::deque<Step> m_steps;
    QTimer m_timer;
    int m_idlePolls = 0;
};

// The dialog control of that ID, as the given widget type; fails the test
// when missing.
template <class W>
W* ControlOf(QWidget& window, int id);

#include "tests/gui/ModalScript.inl"
