#pragma once

#include <map>
#include <vector>

#include "framework/gui/DialogTemplate.h"

class QWidget;

struct BuiltControls {
    std::map<int, QWidget*> byId;
    std::vector<QWidget*> tabOrder; // the controls that take the focus, in template order
};

// Creates the template's controls on the dialog, placed and sized in its
// font's dialog units, with their mnemonics and their tab order.
BuiltControls BuildControls(QWidget& dialog, const DialogTemplate& dialogTemplate);
