#include "toolkit/Font.h"

#include "toolkit/Properties.h"

namespace tk {

namespace {
constexpr std::string_view kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
}

const ClassInfo& TFont::StaticClass() {
  static const PropInfo props[] = {
      IntProperty<TFont, &TFont::CharSet, &TFont::SetCharSet>("CharSet", Stored::IfNotDefault,
                                                              DEFAULT_CHARSET),
      OrdinalProperty<TFont, &TFont::Color, &TFont::SetColor>(
          "Color", OrdinalType::Integer, clWindowText, Stored::IfNotDefault),
      IntProperty<TFont, &TFont::Height, &TFont::SetHeight>("Height", Stored::Always),
      StringProperty<TFont, &TFont::Name, &TFont::SetName>("Name", Stored::Always),
      SetProperty<TFont, &TFont::Style, &TFont::SetStyle>("Style", kStyleNames, 0),
  };
  static const ClassInfo info{"TFont", &TPersistent::StaticClass(), props};
  return info;
}

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(std::int32_t height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

void TFont::SetStyle(std::int32_t style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetCharSet(std::int32_t charSet) {
  if (charSet == charSet_) return;
  charSet_ = charSet;
  Changed();
}

void TFont::SetColor(std::int32_t color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::Assign(const TFont& other) {
  if (other == *this) return;
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  charSet_ = other.charSet_;
  color_ = other.color_;
  Changed();
}

bool TFont::operator==(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
         charSet_ == other.charSet_ && color_ == other.color_;
}

}  // namespace tk
