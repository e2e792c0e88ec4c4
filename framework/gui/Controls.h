#pragma once

#include "framework/gui/Wnd.h"

class CButton : public CWnd {};
class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    // One tab stop every dialogUnits, in the dialog's units.
    void SetTabStops(int dialogUnits);
};

// Range 0 to 100, as nothing in the program sets another.
class CProgressCtrl : public CWnd {
public:
    void SetPos(int position);
};
