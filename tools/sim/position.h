#pragma once
// One position read from text, for asking the computer player what it would do.

#include <iosfwd>
#include <string>

namespace vantor::sim {

// `vantor-sim decide`: reads "seat", "counts", "table" and "hand" lines and writes the chosen
// rule and cards ("Begin-1 Q") or "pass". Returns 0, or 2 with one line on `err` for bad input.
int decideFromText(std::istream& in, std::ostream& out, std::ostream& err);

// `vantor-sim give`: reads a "hand" line and writes the card the exchange's giving rule gives.
int giveFromText(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace vantor::sim
