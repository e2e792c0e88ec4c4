#include "framework/gui/DialogWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFontDatabase>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "framework/gui/Dialog.h"
#include "framework/gui/DialogBuilder.h"
#include "framework/gui/DialogUnits.h"
#include "framework/gui/DropFiles.h"
#include "framework/gui/QtText.h"
#include "framework/gui/WinApp.h"

namespace {

QFont FontOf(DialogFont font)
{
    QFont f = QFontDatabase::systemFont(font == DialogFont::Fixed10 ? QFontDatabase::FixedFont
                                                                      : QFontDatabase::GeneralFont);
    f.setPointSize(font == DialogFont::Fixed10 ? 10 : 8);
    return f;
}

std::vector<std::string> LocalPaths(const QMimeData* mime)
{
    std::vector<std::string> paths;
    if (mime)
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile()) {
                const QByteArray bytes = QFile::encodeName(url.toLocalFile());
                paths.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
            }
    return paths;
}

} // namespace

DialogWindow::DialogWindow(CDialog& owner, const DialogTemplate& dialog, QWidget* parent)
    : QDialog(parent), m_owner(owner), m_minimizeBox(dialog.style & dsMinimizeBox)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (m_minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    setWindowTitle(ToQString(dialog.caption));
    setFont(FontOf(dialog.font));
    const QRect client = DialogRectToPixels(BaseUnitsOf(font()), 0, 0, dialog.cx, dialog.cy);
    setFixedSize(client.size());
    setAcceptDrops(dialog.style & dsAcceptFiles);

    BuiltControls built = BuildControls(*this, dialog);
    m_controls = std::move(built.byId);
    m_tabOrder = std::move(built.tabOrder);
    for (auto [id, control] : m_controls)
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            connect(button, &QAbstractButton::clicked, this,
                    [this, id = id] { m_owner.Dispatch({WM_COMMAND, static_cast<unsigned>(id)}); });
}

QWidget* DialogWindow::Control(int id) const
{
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void DialogWindow::FocusFirstTabStop()
{
    for (QWidget* control : m_tabOrder)
        if (control->isEnabled() && !control->isHidden()) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
}

// QDialog's answer to Escape.
void DialogWindow::reject()
{
    m_owner.OnCloseRequest();
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    m_owner.OnCloseRequest();
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        AfxSendHelpCommand();
        return;
    }
    QDialog::keyPressEvent(event);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    auto add = [&](const QString& text, unsigned id) {
        connect(menu.addAction(text), &QAction::triggered, this,
                [this, id] { m_owner.Dispatch({WM_SYSCOMMAND, id}); });
    };
    if (m_minimizeBox)
        add(tr("Mi&nimize"), SC_MINIMIZE);
    add(tr("&Close"), SC_CLOSE);
    for (const CMenu::Item& item : m_owner.GetSystemMenu(false)->Items()) {
        if (item.flags & MF_SEPARATOR)
            menu.addSeparator();
        else
            add(ToQString(item.text), item.id);
    }
    menu.exec(event->globalPos());
}

void DialogWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalPaths(event->mimeData()).empty())
        event->acceptProposedAction();
}

void DialogWindow::dropEvent(QDropEvent* event)
{
    CDropFiles drop(LocalPaths(event->mimeData()));
    if (drop.GetCount() == 0)
        return;
    event->acceptProposedAction();
    CMessage msg{WM_DROPFILES};
    msg.drop = &drop;
    m_owner.Dispatch(msg);
}
