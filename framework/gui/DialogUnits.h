#pragma once

#include <QRect>

class QFont;
class QWidget;

// The size of a dialog unit comes from the dialog's font: a horizontal
// unit is a quarter of the font's average character width, a vertical
// unit an eighth of its height.
struct DialogBaseUnits {
    int x;
    int y;
};

DialogBaseUnits BaseUnitsOf(const QFont& font);
QRect DialogRectToPixels(const DialogBaseUnits& units, int x, int y, int cx, int cy);
// For a control of a dialog: the units of the dialog's font.
int DialogUnitsToPixelsX(const QWidget& control, int dialogUnits);
