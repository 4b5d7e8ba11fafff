// SPDX-License-Identifier: MIT
#pragma once
// UTF-16 <-> UTF-8 at the boundary to byte-oriented file systems.

#include <string>
#include <string_view>

namespace ferrowick {

// Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Malformed sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);

// A name as a Linux file system holds it, bytes that may not be UTF-8, and back: each byte
// that is not part of UTF-8 is carried as an unpaired surrogate of its own (U+DC80 to U+DCFF),
// which no UTF-8 text gives, so that ToBytes(FromBytes(b)) is b for any bytes b.
std::u16string FromBytes(std::string_view bytes);
std::string ToBytes(std::u16string_view text);
bool IsUtf8(std::string_view bytes);

// Appends `text` as a name is shown: each C0 control as its picture (a newline as U+240A, a tab
// as U+2409, delete as U+2421), so that the name stays on one line; each C1 control and each
// mark that reorders text (U+061C, U+200E, U+200F, U+202A to U+202E, U+2066 to U+2069) as \uXXXX,
// so that it neither drives a terminal nor shows one name as another; and each byte that is
// not UTF-8 (from FromBytes) as \xXX.
void AppendVisible(std::u16string& to, std::u16string_view text);

}  // namespace ferrowick
