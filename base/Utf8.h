// UTF-8, the text of every layer: decoding, encoding and validation, and measures in the UTF-16
// units that the Windows side counts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// Code points of `text`; a byte that does not start a valid sequence decodes as U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view codePoints);

// The offset of the first byte that begins no well-formed sequence (an overlong form, a surrogate,
// beyond U+10FFFF, cut short), or npos when all of `text` is UTF-8.
std::size_t FirstInvalidUtf8(std::string_view text);

// `text` in UTF-16, bytes that are not UTF-8 as U+FFFD.
std::u16string EncodeUtf16(std::string_view text);
// How many UTF-16 units `text` takes.
std::size_t Utf16Length(std::string_view text);
// The first `units` UTF-16 units of `text`. A character whose surrogate pair the cut splits
// becomes U+FFFD, as a lone surrogate does when converted back.
std::string CutToUtf16Units(std::string_view text, std::size_t units);

}  // namespace base
