#pragma once

#include <string>

#include "framework/gui/CmdTarget.h"

class QWidget;

// A window or control, reached through its widget. The wrapper forgets the
// widget when the widget is destroyed, and does nothing while it has none.
// Used on the user-interface thread only.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The whole text: a window's caption, a control's text. Multi-line
    // edits give and take lines ended by CR LF.
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void EnableWindow(bool enable = true);
    bool IsWindowVisible() const;

    // A message box owned by this window. Without a caption of its own it
    // shows the application name.
    int MessageBox(const std::string& text, const char* caption = nullptr, unsigned type = MB_OK);

    void Attach(QWidget* widget);
    QWidget* GetSafeHwnd() const { return m_hWnd; }

protected:
    QWidget* m_hWnd = nullptr;

private:
    void Detach();
    class Tracker;
    Tracker* m_tracker = nullptr;
};
