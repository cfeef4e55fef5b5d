// Registers the toolkit's control classes so that stored descriptions can name them.
#pragma once

namespace tk {
void RegisterStandardClasses();
}
