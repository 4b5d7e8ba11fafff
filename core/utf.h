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

// Appends `text` with each control character shown as its picture (a newline as U+240A, a tab
// as U+2409, delete as U+2421), so that a name holding one stays on one line when shown.
void AppendVisible(std::u16string& to, std::u16string_view text);

}  // namespace ferrowick
