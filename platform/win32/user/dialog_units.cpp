#include <QFont>
#include <QFontMetrics>

#include "platform/win32/user/dialog_template.h"

namespace {

// Rounds like Win32's MulDiv, which dialog-unit conversion is defined by.
int MulDiv(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  // The average width of the 52 Latin letters, rounded to whole pixels.
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return DialogBaseUnits{(letters / 26 + 1) / 2, metrics.height()};
}

int DialogUnitsToPixelsX(int units, DialogBaseUnits base) { return MulDiv(units, base.x, 4); }
int DialogUnitsToPixelsY(int units, DialogBaseUnits base) { return MulDiv(units, base.y, 8); }
