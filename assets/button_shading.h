#pragma once
// Row colours of the red button bar, one per row from the top, written $BBGGRR: a dark top
// line, a glossy band fading from light pink, a dark separating line, red rising to the bottom
// and a closing dark line. The caps and centre parts of the "R" pictures are drawn from them,
// and the button draws its centre part from them directly at the exact heights.

#include <span>

namespace vantor {

// Rows for the class heights 30 (29 rows), 45 (44 rows) and 60 (59 rows); empty otherwise.
std::span<const unsigned> buttonShadingTable(int classHeight);

} // namespace vantor
