#pragma once
// The checks of the LAN set-up fields: the server's address as typed, and the port.

#include <string_view>

namespace vantor::lan {

// Only digits and dots may be typed into the address field.
bool addressCharactersOk(std::string_view text);
// The address test of the login window's Ok: exactly three dots, every part one to three
// characters long, not ending with a dot. The parts' values are not tested (999.999.999.999
// passes), as the socket layer reports an address that cannot be reached.
bool addressFormOk(std::string_view text);
// Only digits may be typed into the port field.
bool portCharactersOk(std::string_view text);

} // namespace vantor::lan
