#pragma once
// Font names the settings and word tables use, mapped to the free families Debian ships, and
// the four font slots of the settings.

#include <QFont>
#include <string>

namespace vantor {

// Registers the substitutes once ("Comic Sans MS" -> Comic Neue, "Courier New" -> Liberation
// Mono, "FixedSys" -> DejaVu Sans Mono, "Arial" -> Liberation Sans; CJK -> Noto CJK).
void registerFontSubstitutes();

// A font slot's size ("decor", "serif", "fixed", "conew"; any other name uses "conew"'s
// scale): the size scaled by the slot's percentage, rounded.
int FontSize(int size, const std::string& slot);
// The slot's font at FontSize(size, slot) points.
QFont slotFont(const std::string& slot, int size, bool bold = false);
// The slot's font at a pixel height of FontSize(height, slot): the table's texts are sized in
// pixels of the scaled design.
QFont slotFontPx(const std::string& slot, int height, bool bold = false);

} // namespace vantor
