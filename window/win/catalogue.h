// SPDX-License-Identifier: MIT
#pragma once
// The Windows program's words in the user's language, from the same catalogues as the Linux
// program's (translations/*.ts, made into a table at build time): a word is looked up by its
// English and the context the catalogues file it under.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace ferrowick::catalogue {

struct Entry {
  const char* language;  // "de", "pt_BR"
  const char* context;
  const char* source;
  const char* translation;
};

// Speaks the language with that catalogue ("de", "pt_BR"); English for any other.
void Speak(std::string_view language);
// The catalogue for a locale name as Windows gives it ("de-AT", "pt-BR"): its own language and
// country, else its language alone; "" for English.
std::string CatalogueFor(std::string_view locale);
// Speaks the user's display language.
void SpeakUserLanguage();

// `english` in the language spoken, as the catalogues file it under `context`; the English
// where they have no finished translation. Named as Qt's, so that lupdate finds the words.
std::u16string translate(const char* context, const char* english);
// `text` with each %1 ... %9 replaced by the argument of that number.
std::u16string Arg(std::u16string_view text, std::initializer_list<std::u16string_view> args);

}  // namespace ferrowick::catalogue
