#pragma once
// Code page 1251: the 8-bit text of card codes, record files and everything sent to another copy
// or to the game service. Qt 6 has no converter for it without ICU, so the upper half is a table.

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// Unicode code point of one code-page-1251 byte; 0xFFFD for the one unassigned byte (0x98).
char32_t cp1251ToCodePoint(std::uint8_t byte);

// Code-page-1251 byte of a code point, or -1 when the code page has no such character.
int codePointToCp1251(char32_t cp);

// Whole strings. utf8ToCp1251 replaces characters the code page lacks (and broken UTF-8)
// with `replacement`.
std::string cp1251ToUtf8(std::string_view bytes);
std::string utf8ToCp1251(std::string_view utf8, char replacement = '?');

} // namespace vantor
