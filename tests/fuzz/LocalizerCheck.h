// The promises that every state of a localization component keeps, checked by the fuzz targets
// after each step.
#pragma once

#include "multilang/MLBase.h"

namespace fuzz {

// What every state of a localization component keeps: the active and default languages lie below
// the number of languages, each positions record reads back as written, and the positions index
// answers as the plain scan for the window, every component of the window and every record.
void CheckLocalizer(const ml::TBaseMultiLang& ml);

}  // namespace fuzz
