// SPDX-License-Identifier: MIT
#include "utf.h"

#include <algorithm>

namespace ferrowick {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void PutUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void PutUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
  } else {
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (c >> 10));
    out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  }
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    PutUtf8(out, c);
  }
  return out;
}

namespace {

// Decodes UTF-8; each byte that is not part of a well-formed sequence becomes `invalid(byte)`.
template <typename Invalid>
std::u16string Decode(std::string_view text, Invalid invalid) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {  // most names are ASCII
      out += static_cast<char16_t>(lead);
      ++i;
      continue;
    }
    int extra = (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    char32_t c = extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
    std::size_t j = i + 1;
    for (int k = 0; k < extra; ++k, ++j) {
      if (j >= text.size() || (static_cast<unsigned char>(text[j]) & 0xC0) != 0x80) {
        extra = -1;
        break;
      }
      c = (c << 6) | (static_cast<unsigned char>(text[j]) & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (extra < 0 || c < kMinimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      out += invalid(lead);
      i += 1;
    } else {
      PutUtf16(out, c);
      i = j;
    }
  }
  return out;
}

// A byte that is not UTF-8, carried through UTF-16 as an unpaired low surrogate of its own.
constexpr char16_t kByteEscape = 0xDC00;

bool EscapedByte(std::u16string_view text, std::size_t i) {
  return text[i] >= 0xDC80 && text[i] <= 0xDCFF &&
         (i == 0 || text[i - 1] < 0xD800 || text[i - 1] > 0xDBFF);
}

}  // namespace

std::u16string FromUtf8(std::string_view text) {
  return Decode(text, [](unsigned char) { return static_cast<char16_t>(kReplacement); });
}

std::u16string FromBytes(std::string_view bytes) {
  return Decode(bytes,
                [](unsigned char byte) { return static_cast<char16_t>(kByteEscape + byte); });
}

std::string ToBytes(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!EscapedByte(text, i)) continue;
    out += ToUtf8(text.substr(from, i - from));
    out += static_cast<char>(text[i] - kByteEscape);
    from = i + 1;
  }
  return out + ToUtf8(text.substr(from));
}

bool IsUtf8(std::string_view bytes) {
  bool valid = true;
  Decode(bytes, [&](unsigned char) {
    valid = false;
    return char16_t{};
  });
  return valid;
}

namespace {

// Characters that would change how a name looks, or the terminal it is printed on: the C0 and
// C1 controls, and the marks that reorder text from right to left.
bool Unseen(std::u16string_view text, std::size_t i) {
  const char16_t c = text[i];
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
  if (c < 0x61C) return false;
  return c == 0x61C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069) || EscapedByte(text, i);
}

void AppendHex(std::u16string& to, const char16_t* lead, unsigned value, int digits) {
  to += lead;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
    to += u"0123456789abcdef"[(value >> shift) & 0xF];
  }
}

}  // namespace

void AppendVisible(std::u16string& to, std::u16string_view text) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!Unseen(text, i)) continue;
    to.append(text.substr(from, i - from));  // most names hold none: one append
    const char16_t c = text[i];
    if (c < 0x20) {
      to += static_cast<char16_t>(0x2400 + c);  // the control's picture
    } else if (c == 0x7F) {
      to += u'\u2421';
    } else if (c >= 0xDC80) {
      AppendHex(to, u"\\x", c - kByteEscape, 2);
    } else {
      AppendHex(to, u"\\u", c, 4);
    }
    from = i + 1;
  }
  to.append(text.substr(from));
}

}  // namespace ferrowick
