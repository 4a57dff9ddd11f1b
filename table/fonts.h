#pragma once
// Font names the settings and word tables use, mapped to the free families Debian ships.

#include <QFont>
#include <QString>

namespace vantor {

// Registers the substitutes once ("Comic Sans MS" -> Comic Neue, "Courier New" -> Liberation
// Mono, "FixedSys" -> DejaVu Sans Mono, CJK -> Noto CJK).
void registerFontSubstitutes();

// A font of a slot ("decor", "serif", "fixed", "conew") at a pixel height, scaled by the slot's
// percentage.
QFont slotFont(const QString& slot, int pixelHeight, bool bold = false);
int FontSize(int size, const QString& slot);

} // namespace vantor
