// SPDX-License-Identifier: MIT
#pragma once
// Text in and out of a Windows console program. To a console, UTF-16 through the console's own
// calls, which show every character whatever the code page; to a file or a pipe, UTF-8, which
// every tool reads the same way. Lines end in LF alone, as on Linux.

#include <optional>
#include <string>
#include <string_view>

namespace ferrowick::console {

enum class Stream { Out, Err };

void Write(Stream stream, std::u16string_view text);
// Whether stdin is a console someone can answer at.
bool Interactive();
// One line typed at the console (or read from stdin), without its line break; nothing at the
// end of the input or when Ctrl+C cut the reading short.
std::optional<std::u16string> ReadLine();

}  // namespace ferrowick::console
