#include "common/text.h"

#include <cstdint>

namespace mvane {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at text[pos] and advances pos; malformed bytes give U+FFFD.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  std::size_t length = 0;
  char32_t code = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2; code = lead & 0x1F; minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3; code = lead & 0x0F; minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4; code = lead & 0x07; minimum = 0x10000;
  } else {
    ++pos;
    return kReplacement;
  }
  std::size_t i = 1;
  for (; i < length; ++i) {
    if (pos + i >= text.size() || (byte(pos + i) & 0xC0) != 0x80) break;
    code = (code << 6) | (byte(pos + i) & 0x3F);
  }
  if (i < length) {
    pos += i;
    return kReplacement;
  }
  pos += length;
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return kReplacement;
  return code;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Pairs where the capital and the small letter sit next to each other, capital first.
bool IsEvenOddPair(char32_t c) {
  return (c >= 0x0100 && c <= 0x012F) || (c >= 0x0132 && c <= 0x0137) ||
         (c >= 0x014A && c <= 0x0177);
}
bool IsOddEvenPair(char32_t c) {
  return (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E);
}

char32_t FoldCase(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 0x20 : c;
  if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return c + 0x20;
  if (IsEvenOddPair(c)) return c | 1;
  if (IsOddEvenPair(c)) return (c & 1) ? c + 1 : c;
  if (c == 0x0178) return 0x00FF;
  if (c >= 0x0391 && c <= 0x03AB && c != 0x03A2) return c + 0x20;
  if (c == 0x03C2) return 0x03C3;  // final sigma matches sigma
  if (c == 0x0386) return 0x03AC;
  if (c >= 0x0388 && c <= 0x038A) return c + 0x25;
  if (c == 0x038C) return 0x03CC;
  if (c == 0x038E || c == 0x038F) return c + 0x3F;
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
  if (c >= 0xFF21 && c <= 0xFF3A) return c + 0x20;
  return c;
}

char32_t UpperCase(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 0x20 : c;
  if (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7) return c - 0x20;
  if (c == 0x00FF) return 0x0178;
  if (IsEvenOddPair(c)) return c & ~char32_t{1};
  if (IsOddEvenPair(c)) return (c & 1) ? c : c - 1;
  if (c >= 0x03B1 && c <= 0x03CB && c != 0x03C2) return c - 0x20;
  if (c == 0x03C2) return 0x03A3;
  if (c == 0x03AC) return 0x0386;
  if (c >= 0x03AD && c <= 0x03AF) return c - 0x25;
  if (c == 0x03CC) return 0x038C;
  if (c == 0x03CD || c == 0x03CE) return c - 0x3F;
  if (c >= 0x0430 && c <= 0x044F) return c - 0x20;
  if (c >= 0x0450 && c <= 0x045F) return c - 0x50;
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0x20;
  return c;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t code = DecodeUtf8(utf8, pos);
    if (code < 0x10000) {
      out += static_cast<char16_t>(code);
    } else {
      out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char16_t unit = utf16[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

int CompareTextIgnoringCase(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ai = static_cast<unsigned char>(a[i]);
    const auto bj = static_cast<unsigned char>(b[j]);
    // Most names are ASCII: compare those bytes without decoding.
    const char32_t x = ai < 0x80 ? FoldCase(a[i++]) : FoldCase(DecodeUtf8(a, i));
    const char32_t y = bj < 0x80 ? FoldCase(b[j++]) : FoldCase(DecodeUtf8(b, j));
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return CompareTextIgnoringCase(a, b) == 0;
}

std::string FoldText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const char c = text[pos];
    if (static_cast<unsigned char>(c) < 0x80) {
      out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : c;
      ++pos;
    } else {
      AppendUtf8(out, FoldCase(DecodeUtf8(text, pos)));
    }
  }
  return out;
}

std::string UpperCaseText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) AppendUtf8(out, UpperCase(DecodeUtf8(text, pos)));
  return out;
}

std::string WithCrLfLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      out += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::size_t Cp932ByteLength(std::string_view utf8) {
  std::size_t bytes = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t code = DecodeUtf8(utf8, pos);
    const bool singleByte = code < 0x80 || (code >= 0xFF61 && code <= 0xFF9F);
    bytes += singleByte ? 1 : 2;
  }
  return bytes;
}

}  // namespace mvane
