#include "framework/gui/Controls.h"

#include <QPlainTextEdit>
#include <algorithm>
#include <QProgressBar>

#include "framework/gui/DialogUnits.h"

void CEdit::SetTabStops(int dialogUnits)
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(m_hWnd))
        edit->setTabStopDistance(DialogUnitsToPixelsX(*m_hWnd, dialogUnits));
}

void CProgressCtrl::SetPos(int position)
{
    if (auto* bar = qobject_cast<QProgressBar*>(m_hWnd))
        bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
}
