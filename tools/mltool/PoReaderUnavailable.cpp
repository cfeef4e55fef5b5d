// The Windows build reads no PO files: gettext's library is not part of it.
#include "tools/mltool/PoReader.h"
#include "tools/mltool/ToolError.h"

namespace mltool {

PoCatalog ReadPoFile(const std::string&, std::string_view) {
  throw ToolError("this build of mltool reads no PO files; use the native build, or CSV (merge)");
}

}  // namespace mltool
