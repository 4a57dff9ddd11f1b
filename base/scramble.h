#pragma once
// Reversible scrambling of short texts that the program keeps out of plain sight: the service
// addresses it carries and writes to its settings file, and the account password in the user
// file. It only stops a casual reader; anyone with the program can undo it, so it must never be
// relied on as protection.

#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// Any bytes in, letters, digits, '-' and '_' out (4 characters per 3 bytes, no padding): safe in
// a text line, a fixed-width field padded with blanks, or a form field.
std::string scramble(std::string_view text);

// The bytes back; nullopt when `scrambled` holds a character outside the alphabet or has a
// length no scrambled text can have.
std::optional<std::string> unscramble(std::string_view scrambled);

} // namespace vantor
