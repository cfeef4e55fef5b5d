// The text formats of per-language layout: a positions record is a key and one value per
// language, joined by ","; a value is "Left.Top.Width.Height" with empty fields for properties
// the component lacks. A font record is "name,charset".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tk {
class TObject;
class TStrings;
}  // namespace tk

namespace ml {

// The key of the window's record, search comma included.
inline constexpr std::string_view kWindowSearchKey = "%Form%,";

// A control's search key: its name in lower case and a comma, so Button1 never finds Button10.
std::string ControlSearchKey(std::string_view name);

std::vector<std::string> SplitRecord(std::string_view record);
std::string JoinRecord(const std::vector<std::string>& items);

// True when the record holds at least two values and a later value differs from the first.
bool HasDifferentValues(std::string_view record);

// The component's "Left", "Top", "Width" and "Height" joined by "."; "..." when it has none.
std::string FormatBounds(const tk::TObject& component);

// The last line that begins with `key` (case matters), or -1: the plain scan.
int LastLineBeginningWith(const tk::TStrings& lines, std::string_view key);

}  // namespace ml
