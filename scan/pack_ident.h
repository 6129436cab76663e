// The packed ident: a code of up to four characters as the base-38 number in
// which scenery files store airport and navigation-aid idents.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorlane {

// The code's upper-case form folded digit by digit, first character most
// significant; a code of L characters gives L base-38 digits (no padding).
// Characters outside the ident alphabet count as digit 0, like a space.
// Only the first four characters take part: no ident is longer.
std::uint32_t PackIdent(std::string_view code);

// Scenery files hold an ident shifted left by five bits where they name it,
// and unshifted in the ILS field of a runway record.
constexpr std::uint32_t ShiftedTarget(std::uint32_t ident) { return ident << 5; }
constexpr std::uint32_t PlainTarget(std::uint32_t ident) { return ident; }

}  // namespace vorlane
