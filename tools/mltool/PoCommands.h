// mltool's commands on gettext PO files: po-export and po-import (Commands.h describes them).
#pragma once

#include "tools/mltool/CommandLine.h"
#include "tools/mltool/Commands.h"

namespace mltool {

int PoExport(const Arguments& args, Stage& stage, Output& output);
int PoImport(const Arguments& args, Stage& stage, Output& output);

}  // namespace mltool
