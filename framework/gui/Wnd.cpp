#include "framework/gui/Wnd.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "framework/gui/MessageBox.h"
#include "framework/gui/QtText.h"

// Clears the wrapper's widget pointer when the widget goes away.
class CWnd::Tracker : public QObject {
public:
    Tracker(CWnd& wnd, QWidget* widget) : m_wnd(wnd)
    {
        connect(widget, &QObject::destroyed, this, [this] { m_wnd.m_hWnd = nullptr; });
    }

private:
    CWnd& m_wnd;
};

CWnd::~CWnd()
{
    Detach();
}

void CWnd::Detach()
{
    delete m_tracker;
    m_tracker = nullptr;
    m_hWnd = nullptr;
}

void CWnd::Attach(QWidget* widget)
{
    Detach();
    m_hWnd = widget;
    if (widget)
        m_tracker = new Tracker(*this, widget);
}

void CWnd::SetWindowText(const std::string& text)
{
    if (!m_hWnd)
        return;
    const QString q = ToQString(text);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(m_hWnd))
        edit->setPlainText(FromCrLf(q));
    else if (auto* line = qobject_cast<QLineEdit*>(m_hWnd))
        line->setText(q);
    else if (auto* button = qobject_cast<QAbstractButton*>(m_hWnd))
        button->setText(q);
    else if (auto* label = qobject_cast<QLabel*>(m_hWnd))
        label->setText(q);
    else if (auto* group = qobject_cast<QGroupBox*>(m_hWnd))
        group->setTitle(q);
    else if (m_hWnd->isWindow())
        m_hWnd->setWindowTitle(q);
}

std::string CWnd::GetWindowText() const
{
    if (!m_hWnd)
        return {};
    if (auto* edit = qobject_cast<QPlainTextEdit*>(m_hWnd))
        return ToStdString(ToCrLf(edit->toPlainText()));
    if (auto* line = qobject_cast<QLineEdit*>(m_hWnd))
        return ToStdString(line->text());
    if (auto* button = qobject_cast<QAbstractButton*>(m_hWnd))
        return ToStdString(button->text());
    if (auto* label = qobject_cast<QLabel*>(m_hWnd))
        return ToStdString(label->text());
    if (auto* group = qobject_cast<QGroupBox*>(m_hWnd))
        return ToStdString(group->title());
    return m_hWnd->isWindow() ? ToStdString(m_hWnd->windowTitle()) : std::string();
}

void CWnd::EnableWindow(bool enable)
{
    if (m_hWnd)
        m_hWnd->setEnabled(enable);
}

bool CWnd::IsWindowVisible() const
{
    return m_hWnd && m_hWnd->isVisible();
}

int CWnd::MessageBox(const std::string& text, const char* caption, unsigned type)
{
    return ShowMessageBox(m_hWnd ? m_hWnd->window() : nullptr, text, caption, type);
}
