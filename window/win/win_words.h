// SPDX-License-Identifier: MIT
#pragma once
// Every word the Windows program shows that is not a caption or one of the core's phrases: what
// became of a copy the shell did not make, the end-of-run summary, and the window's refusals.
// The shell routines say what happened; only this says it in a language.

#include <cstddef>
#include <string>
#include <vector>

#include "module1.h"
#include "refusals.h"
#include "spoken.h"

namespace ferrowick::words {

// The status line under a copy's "Copying to:" line when the copy was not made, CR LF included.
std::u16string NotMadeLine(const ShellCopy& copy);
// The copy's name and why it was not made, on one line.
std::u16string NotMadeItem(const ShellCopy& copy);
// The one box at the end of a run in which copies were not made: how many of `count`, and which.
std::u16string NotMadeSummary(const std::vector<ShellCopy>& notMade, std::size_t listed);

// Why a given or dropped `path` is not taken.
std::u16string Refused(Refusal refusal, const std::u16string& path);
std::u16string Device(const std::u16string& path, const std::u16string& device);
std::u16string OneAtATime();
// What a screen reader is told of a run.
std::u16string Said(const Announcement& announcement);
std::u16string NoFolderOnDisk();
// What Ferrowick.exe takes on its command line, and an option it does not know.
std::u16string Usage();
std::u16string UnknownOption(const std::u16string& option);

}  // namespace ferrowick::words
