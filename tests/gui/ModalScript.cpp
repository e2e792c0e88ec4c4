#include "tests/gui/ModalScript.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <memory>

namespace {
constexpr int kPollMs = 5;
constexpr int kStallPolls = 12000; // a minute without a step
}

ModalScript::ModalScript()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start(kPollMs);
}

ModalScript::~ModalScript()
{
    m_timer.stop();
    EXPECT_TRUE(m_steps.empty()) << "steps left, the next for " << m_steps.front().title.toStdString();
}

ModalScript& ModalScript::When(const QString& title, std::function<void(QWidget&)> step)
{
    m_steps.push_back({title, std::move(step)});
    return *this;
}

void ModalScript::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!m_steps.empty() && modal && modal->isVisible() && modal->windowTitle() == m_steps.front().title) {
        m_idlePolls = 0;
        // Run from a timer of its own: a step that opens a modal window
        // stays inside it, and this timer must go on meanwhile.
        auto step = std::make_shared<Step>(std::move(m_steps.front()));
        m_steps.pop_front();
        QPointer<QWidget> window(modal);
        QTimer::singleShot(0, [step, window] {
            if (window)
                step->run(*window);
        });
        return;
    }
    if (!modal || ++m_idlePolls < kStallPolls)
        return;
    ADD_FAILURE() << "stalled waiting for "
                  << (m_steps.empty() ? std::string("the last window to close") : m_steps.front().title.toStdString())
                  << ", active: " << modal->windowTitle().toStdString();
    m_steps.clear();
    while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->done(0);
}
