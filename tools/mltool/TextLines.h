// Lines of a text file read whole, as the tool's error messages name them: counted from 1, ended
// by CR LF, LF or CR.
#pragma once

#include <string_view>

namespace mltool {

// The line of the first byte that is not UTF-8, or 0 when all are.
int FirstBadUtf8Line(std::string_view text);

}  // namespace mltool
