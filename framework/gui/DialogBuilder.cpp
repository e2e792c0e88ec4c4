#include "framework/gui/DialogBuilder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QPointer>

#include "framework/gui/DialogUnits.h"
#include "framework/gui/QtText.h"
#include "framework/gui/Resources.h"

namespace {

// A group box whose mnemonic moves the focus to a control after it in tab
// order, not to a child: the template's frames have none.
class MnemonicGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    QPointer<QWidget> m_target;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::Shortcut) {
            if (m_target)
                m_target->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
        return QGroupBox::event(event);
    }
};

QWidget* MakeControl(QWidget& dialog, const ControlTemplate& c)
{
    const QString text = ToQString(c.text);
    switch (c.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, &dialog);
        button->setDefault(c.style & csDefault);
        return button;
    }
    case ControlKind::GroupBox:
        return new MnemonicGroupBox(text, &dialog);
    case ControlKind::StaticText: {
        auto* label = new QLabel(text, &dialog);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignTop | ((c.style & csRight) ? Qt::AlignRight : Qt::AlignLeft));
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::Edit: {
        if (c.style & csMultiLine) {
            auto* edit = new QPlainTextEdit(text, &dialog);
            edit->setLineWrapMode(QPlainTextEdit::NoWrap);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->setTabChangesFocus(true);
            if (c.style & csReadOnly) {
                edit->setReadOnly(true);
                // Still a caret to move through the text, and selection.
                edit->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
            }
            if (!(c.style & csBorder))
                edit->setFrameShape(QFrame::NoFrame);
            return edit;
        }
        auto* edit = new QLineEdit(text, &dialog);
        edit->setFrame(c.style & csBorder);
        edit->setReadOnly(c.style & csReadOnly);
        if (c.style & csPassword)
            edit->setEchoMode(QLineEdit::Password);
        return edit;
    }
    case ControlKind::ProgressBar: {
        auto* bar = new QProgressBar(&dialog);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::Icon: {
        auto* icon = new QLabel(&dialog);
        if (HICON xpm = AfxLoadIcon(std::stoi(c.text)))
            icon->setPixmap(QPixmap(xpm));
        return icon;
    }
    }
    return nullptr;
}

// A label of one line keeps its whole text on that line: the desktop's
// font can be wider than the one the template was drawn for, and a cut
// label would show only its first word.
void FitOneLineLabel(QWidget* control, const ControlTemplate& c, QRect& rect)
{
    auto* label = qobject_cast<QLabel*>(control);
    const QFontMetrics metrics(control->font());
    if (!label || c.text.empty() || rect.height() >= 2 * metrics.height())
        return;
    label->setWordWrap(false);
    const int needed = metrics.horizontalAdvance(QString(label->text()).remove(QLatin1Char('&'))) + 2;
    if (needed <= rect.width())
        return;
    if (c.style & csRight)
        rect.setLeft(rect.right() - needed);
    else
        rect.setWidth(needed);
}

bool TakesFocus(const ControlTemplate& c)
{
    return c.kind == ControlKind::PushButton || c.kind == ControlKind::Edit;
}

// A mnemonic of a label or group box moves the focus to the next control
// that takes it.
void BindMnemonic(QWidget* control, QWidget* target)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setBuddy(target);
    else if (auto* group = dynamic_cast<MnemonicGroupBox*>(control))
        group->m_target = target;
}

} // namespace

BuiltControls BuildControls(QWidget& dialog, const DialogTemplate& dialogTemplate)
{
    BuiltControls built;
    const DialogBaseUnits units = BaseUnitsOf(dialog.font());
    std::vector<std::pair<QWidget*, std::size_t>> mnemonics; // control, template index
    std::vector<QWidget*> all;

    for (const ControlTemplate& c : dialogTemplate.controls) {
        QWidget* control = MakeControl(dialog, c);
        QRect rect = DialogRectToPixels(units, c.x, c.y, c.cx, c.cy);
        if (c.kind == ControlKind::Icon)
            rect.setSize(QSize(32, 32));
        control->setFont(dialog.font());
        FitOneLineLabel(control, c, rect);
        control->setGeometry(rect);
        if (c.id != IDC_STATIC) {
            control->setObjectName(QString::number(c.id));
            built.byId[c.id] = control;
        }
        if (TakesFocus(c)) {
            control->setFocusPolicy((c.style & csTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
            if (c.style & csTabStop)
                built.tabOrder.push_back(control);
        } else {
            control->setFocusPolicy(Qt::NoFocus);
        }
        const bool mnemonic = (c.kind == ControlKind::StaticText || c.kind == ControlKind::GroupBox)
                            && !(c.style & csNoPrefix) && c.text.find('&') != std::string::npos;
        if (mnemonic)
            mnemonics.emplace_back(control, all.size());
        // Frames stay behind what they frame, whatever the template order.
        if (c.kind == ControlKind::GroupBox)
            control->lower();
        control->setVisible(!(c.style & csHidden));
        all.push_back(control);
    }

    for (auto [control, index] : mnemonics) {
        QWidget* target = nullptr;
        for (std::size_t i = index + 1; i < all.size() && !target; ++i)
            if (all[i]->focusPolicy() != Qt::NoFocus)
                target = all[i];
        BindMnemonic(control, target);
    }
    for (std::size_t i = 1; i < built.tabOrder.size(); ++i)
        QWidget::setTabOrder(built.tabOrder[i - 1], built.tabOrder[i]);
    return built;
}
