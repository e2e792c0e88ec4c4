#pragma once

#include <string>
#include <vector>

// A dialog as the resources describe it: positions and sizes in dialog
// units, which the dialog's font turns into pixels.

enum class ControlKind { PushButton, GroupBox, StaticText, Edit, ProgressBar, Icon };

// Style points of a control, combined with |.
enum ControlStyle : unsigned {
    csNone = 0,
    csTabStop = 1u << 0,
    csGroup = 1u << 1,         // starts a group
    csDefault = 1u << 2,       // the default push button
    csHidden = 1u << 3,        // created without the visible style
    csRight = 1u << 4,         // right-aligned text
    csNoPrefix = 1u << 5,      // "&" is shown, not taken as a mnemonic
    csMultiLine = 1u << 6,
    csReadOnly = 1u << 7,
    csPassword = 1u << 8,
    csBorder = 1u << 9,
    csAutoHScroll = 1u << 10,
    csAutoVScroll = 1u << 11,
    csStaticEdge = 1u << 12,
};

inline constexpr int IDC_STATIC = -1;

struct ControlTemplate {
    int id;          // IDC_STATIC for controls that nothing addresses
    ControlKind kind;
    std::string text; // for an icon, the icon's resource number
    int x, y, cx, cy;
    unsigned style;
};

enum DialogStyle : unsigned {
    dsNone = 0,
    dsMinimizeBox = 1u << 0,
    dsAcceptFiles = 1u << 1, // dropped files are taken from the moment it exists
};

enum class DialogFont { Sans8, Fixed10 };

struct DialogTemplate {
    int id;
    std::string caption;
    int cx, cy; // the client area
    unsigned style;
    DialogFont font;
    std::vector<ControlTemplate> controls; // in tab order
};
