// SPDX-License-Identifier: MIT
#pragma once
// Everything the program says, as every window and console of every platform says it: what a
// run asks, why a copy was not made, what a run's end tells, why a path is not taken. The
// copiers say what happened; only this says it in a language, through the platform's catalogue.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "phrases.h"
#include "refusals.h"
#include "run_host.h"
#include "run_words.h"
#include "spoken.h"
#include "terminal_words.h"

namespace ferrowick::words {

// A path or name as the user sees it: on one line, no control driving a terminal.
std::u16string Shown(std::u16string_view text);

std::u16string Of(Phrase phrase);
std::u16string Of(RunWord word);
std::u16string Of(TerminalWord word);
// What a screen reader is told of a run.
std::u16string Said(const Announcement& announcement);

// Why a window does not take a path that was given, dropped or chosen.
std::u16string Refused(Refusal refusal, const std::u16string& path = {});
// A name that cannot pass through a text box: it holds bytes that are not UTF-8.
std::u16string NotText(const std::u16string& path);
std::u16string NotLocal();
// "a named pipe (FIFO)", "a socket", ...
std::u16string KindOf(FileKind kind);
std::u16string NotRegular(const std::u16string& path, FileKind kind);
// A name that Windows reads as the device `device`.
std::u16string Device(const std::u16string& path, const std::u16string& device);
std::u16string NoFolderOnDisk();
// What Ferrowick.exe takes on its command line, and an option it does not know.
std::u16string Usage();
std::u16string UnknownOption(const std::u16string& option);

std::u16string ReplaceQuestion(const ferrowick::ReplaceQuestion& question);
std::u16string FolderQuestion(const std::u16string& folder);
// The plain fact of a folder that stalls after renames, and what to do instead, for a run of
// `count` copies.
std::u16string StallingFolder(const std::u16string& folder, int count);

// Why a copy was not made, with what it left behind, as the end of a sentence.
std::u16string Reason(const NotMade& failure);
// A whole report, for a box: a copy not made, or copies not on their device.
std::u16string Report(const NotMade& failure);
// On one line: the copy and why it was not made.
std::u16string Item(const NotMade& failure);
// The status line under a copy's "Copying to:" line.
std::u16string StatusLine(const NotMade& failure);
// What the run says of copies that were made: attributes not kept, an upload later, ...
std::u16string Report(const RunNote& note);
// The copies a run did not make without a word at the time: `count` of them, `first` named.
// `more`: others were told of one by one.
std::u16string Unmade(std::size_t count, const std::vector<NotMade>& first, bool more);

// The run's progress, as its display and a console's progress line show it.
std::u16string Writing();
std::u16string Made(const RunProgress& progress);
std::u16string Count(const RunProgress& progress);
// How fast and how long still, or "" before anything was copied.
std::u16string Pace(const RunProgress& progress);

// A choice of a question: the caption marks its access key with &.
struct Choice {
  std::u16string caption;
  int answer;
};
std::vector<Choice> ReplaceChoices();
std::vector<Choice> FolderChoices();
std::vector<Choice> ErrorChoices();

}  // namespace ferrowick::words
