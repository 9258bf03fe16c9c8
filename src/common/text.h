// Text helpers shared by every layer. Text is UTF-8 inside the program; UTF-16 only
// at the Windows API and in registry string data.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mvane {

// Malformed input becomes U+FFFD; neither direction throws.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// The one case-insensitive comparison: ASCII, Latin-1, Latin Extended-A, Greek,
// Cyrillic and full-width Latin letters fold; kana and everything else do not.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
// Orders texts as SameTextIgnoringCase matches them (negative, 0, positive).
int CompareTextIgnoringCase(std::string_view a, std::string_view b);
// The text with every letter folded as SameTextIgnoringCase folds it: two texts match
// exactly when their folded forms are equal, so the folded form can be a hash key.
std::string FoldText(std::string_view text);
// Upper-cases the letters that SameTextIgnoringCase folds.
std::string UpperCaseText(std::string_view text);

// The text with every line break (CR, LF or CR LF) written as CR LF, the form edit
// controls show as separate lines.
std::string WithCrLfLineBreaks(std::string_view text);

// Bytes the text takes in code page 932: ASCII and half-width katakana take one,
// every other character two.
std::size_t Cp932ByteLength(std::string_view utf8);

}  // namespace mvane
