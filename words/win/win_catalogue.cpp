// SPDX-License-Identifier: MIT
#include "win_catalogue.h"

#include <windows.h>

#include <cstdio>
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

std::u16string SystemText(int code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string said(text, text + length);
  if (text != nullptr) LocalFree(text);
  // Without the full stop and line break the system ends its words in.
  while (!said.empty() && (said.back() == u'\n' || said.back() == u'\r' || said.back() == u' ' ||
                           said.back() == u'.')) {
    said.pop_back();
  }
  return said.empty() ? u"?" : said;
}

std::u16string SystemReason(int code) {
  return Arg(translate("ferrowick::ShellCopy", "Windows said: %1 (error %2)."),
             {SystemText(code), Number(static_cast<unsigned>(code))});
}

std::u16string Number(std::uint64_t value) { return FromUtf8(std::to_string(value)); }

std::u16string DataSize(std::uint64_t bytes) {
  static constexpr const char* kUnits[] = {"bytes", "KiB", "MiB", "GiB", "TiB"};
  double size = static_cast<double>(bytes);
  std::size_t unit = 0;
  while (size >= 1024 && unit + 1 < std::size(kUnits)) {
    size /= 1024;
    ++unit;
  }
  char text[32];
  if (unit == 0) {
    std::snprintf(text, sizeof text, "%llu %s", static_cast<unsigned long long>(bytes), kUnits[0]);
  } else {
    std::snprintf(text, sizeof text, "%.2f %s", size, kUnits[unit]);
  }
  return FromUtf8(text);
}

std::u16string LocalTime(std::int64_t seconds) {
  // FILETIME counts 100 ns from 1601.
  const auto ticks = static_cast<std::uint64_t>(seconds + 11644473600LL) * 10000000ULL;
  const FILETIME utc{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  FILETIME local{};
  SYSTEMTIME t{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &t)) return u"?";
  char when[32];
  std::snprintf(when, sizeof when, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay,
                t.wHour, t.wMinute, t.wSecond);
  return FromUtf8(when);
}

}  // namespace ferrowick::catalogue
