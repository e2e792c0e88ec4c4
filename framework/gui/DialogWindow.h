#pragma once

#include <QDialog>
#include <map>

#include "framework/gui/DialogTemplate.h"

class CDialog;

// The window of a CDialog: built from its template, it hands clicks, the
// window's own menu, drops, Escape, the close box and F1 to the dialog
// object as messages.
class DialogWindow : public QDialog {
public:
    DialogWindow(CDialog& owner, const DialogTemplate& dialog, QWidget* parent);

    QWidget* Control(int id) const;
    CDialog& Owner() const { return m_owner; }
    void FocusFirstTabStop();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    CDialog& m_owner;
    bool m_minimizeBox;
    std::map<int, QWidget*> m_controls;
    std::vector<QWidget*> m_tabOrder;
};
