// SPDX-License-Identifier: MIT
#include "catalogue.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <unordered_map>

#include "utf.h"

namespace ferrowick::catalogue {

extern const Entry kEntries[];
extern const std::size_t kEntryCount;

namespace {

// The spoken language's words, by context and English.
std::unordered_map<std::string, const char*>& Spoken() {
  static std::unordered_map<std::string, const char*> words;
  return words;
}

std::string Key(const char* context, const char* source) {
  std::string key = context;
  key += '\x04';
  key += source;
  return key;
}

bool HasCatalogue(std::string_view language) {
  for (std::size_t i = 0; i < kEntryCount; ++i) {
    if (language == kEntries[i].language) return true;
  }
  return false;
}

}  // namespace

void Speak(std::string_view language) {
  auto& words = Spoken();
  words.clear();
  for (std::size_t i = 0; i < kEntryCount; ++i) {
    const Entry& entry = kEntries[i];
    if (language == entry.language)
      words.emplace(Key(entry.context, entry.source), entry.translation);
  }
}

std::string CatalogueFor(std::string_view locale) {
  // "pt-BR" names the catalogue pt_BR; "de-AT" has none of its own and takes de.
  std::string name(locale);
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  for (const std::string& candidate : {name, name.substr(0, name.find('_'))}) {
    if (!candidate.empty() && HasCatalogue(candidate)) return candidate;
  }
  return {};
}

void SpeakUserLanguage() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  const int length = LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name,
                                      LOCALE_NAME_MAX_LENGTH, 0);
  std::string locale;
  for (int i = 0; i + 1 < length; ++i) locale += static_cast<char>(name[i]);
  Speak(CatalogueFor(locale));
}

std::u16string translate(const char* context, const char* english) {
  const auto& words = Spoken();
  const auto found = words.find(Key(context, english));
  return FromUtf8(found == words.end() ? english : found->second);
}

std::u16string Arg(std::u16string_view text, std::initializer_list<std::u16string_view> args) {
  std::u16string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t number = i + 1 < text.size() ? text[i + 1] - u'0' : 0;
    if (text[i] == u'%' && number >= 1 && number <= args.size() && number <= 9) {
      result += args.begin()[number - 1];
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace ferrowick::catalogue
