#pragma once
// Bytes from elsewhere (another program's output, a file another program
// wrote) made fit for a message: printable UTF-8 on one line, whatever the
// bytes were. Control codes (NUL, a terminal's escape sequences, line ends)
// and bytes that are no UTF-8 are written as escapes ("\x1b", "\n"), a
// backslash as "\\", and a text longer than maxBytes is cut there with
// "..." after it, never inside a character.

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

std::string printableText(std::string_view bytes, std::size_t maxBytes = 80);

}  // namespace vantor
