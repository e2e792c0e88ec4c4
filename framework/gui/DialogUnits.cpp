#include "framework/gui/DialogUnits.h"

#include <QFontMetrics>
#include <QWidget>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    return static_cast<int>((product + (product >= 0 ? c / 2 : -c / 2)) / c);
}

} // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

QRect DialogRectToPixels(const DialogBaseUnits& units, int x, int y, int cx, int cy)
{
    return QRect(MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(cx, units.x, 4), MulDiv(cy, units.y, 8));
}

int DialogUnitsToPixelsX(const QWidget& control, int dialogUnits)
{
    return MulDiv(dialogUnits, BaseUnitsOf(control.window()->font()).x, 4);
}
