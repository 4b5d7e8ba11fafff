// SPDX-License-Identifier: MIT
#pragma once
// Each platform's one home for its language: its catalogue lookup and the forms only it knows
// (the system's own words for an error, numbers, sizes and times as the user's locale writes
// them). Linux speaks through Qt's catalogues (qt/qt_catalogue.cpp), Windows through the same
// catalogues made into a table (win/win_catalogue.cpp); every sentence is built above them, once.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace ferrowick::catalogue {

// `english` in the language spoken, as the catalogues file it under `context`; the English
// where they have no finished translation. Named as Qt's, so that lupdate finds the words.
std::u16string translate(const char* context, const char* english);
// The system's own words for one of its error codes (an errno, a Windows code), in the user's
// language, as the end of a sentence may take them.
std::u16string SystemText(int code);
// The same as a copy's whole reason: on Windows with the code's number, which its support pages
// are found by.
std::u16string SystemReason(int code);
std::u16string Number(std::uint64_t value);
std::u16string DataSize(std::uint64_t bytes);
// A time in seconds since 1970 as the local "yyyy-MM-dd HH:mm:ss".
std::u16string LocalTime(std::int64_t seconds);

// `text` with each %1 ... %9 replaced by the argument of that number, all in one pass, so that
// an argument holding "%2" stays as it is.
std::u16string Arg(std::u16string_view text, std::initializer_list<std::u16string_view> args);

}  // namespace ferrowick::catalogue
