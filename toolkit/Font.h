// A font description: name, height in pixels, style and character set.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/Object.h"

namespace tk {

enum TFontStyle : std::int32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// The Win32 headers define DEFAULT_CHARSET as a macro of the same value; use the name unqualified.
#ifndef DEFAULT_CHARSET
constexpr std::int32_t DEFAULT_CHARSET = 1;
#endif
constexpr std::int32_t clBlack = 0x000000;
constexpr std::int32_t clWhite = 0xFFFFFF;
constexpr std::int32_t clWindowText = static_cast<std::int32_t>(0x80000008u);
constexpr std::int32_t clBtnFace = static_cast<std::int32_t>(0x8000000Fu);

class TFont : public TPersistent {
  TK_CLASS()

 public:
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  // Negative: character height without internal leading, in pixels.
  std::int32_t Height() const { return height_; }
  void SetHeight(std::int32_t height);
  std::int32_t Style() const { return style_; }
  void SetStyle(std::int32_t style);
  std::int32_t CharSet() const { return charSet_; }
  void SetCharSet(std::int32_t charSet);
  std::int32_t Color() const { return color_; }
  void SetColor(std::int32_t color);

  void Assign(const TFont& other);
  bool operator==(const TFont& other) const;

  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 private:
  void Changed() {
    if (onChange_) onChange_();
  }

  std::string name_ = "MS Sans Serif";
  std::int32_t height_ = -11;
  std::int32_t style_ = 0;
  std::int32_t charSet_ = DEFAULT_CHARSET;
  std::int32_t color_ = clWindowText;
  std::function<void()> onChange_;
};

}  // namespace tk
