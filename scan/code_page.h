// Single-byte text in the Windows-1252 code page: the form in which codes are
// packed, written into records and shown, and its conversion to and from the
// UTF-8 that the file system, the terminal and the widgets use.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// Upper-case form of one Windows-1252 character: a-z and the code page's
// lower-case letters map to their capitals, every other byte to itself.
char UpperCase1252(char c);

std::string UpperCase1252(std::string_view text);

// Every byte has a UTF-8 form; the five bytes that the code page leaves
// undefined map to the C1 control characters of the same value.
std::string Cp1252ToUtf8(std::string_view text);

// Empty when the text is not valid UTF-8 or holds a character that the code
// page cannot represent.
std::optional<std::string> Utf8ToCp1252(std::string_view text);

// The same, but every character that the code page cannot represent, and
// every malformed sequence, becomes `replacement`.
std::string Utf8ToCp1252Replacing(std::string_view text, char replacement);

}  // namespace vorlane
