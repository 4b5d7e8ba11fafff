// SPDX-License-Identifier: MIT
#pragma once
// The Windows program's words in the user's language, from the same catalogues as the Linux
// program's (translations/*.ts, made into a table at build time): a word is looked up by its
// English and the context the catalogues file it under. Which language it speaks is chosen here.

#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue.h"

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

}  // namespace ferrowick::catalogue
