// The published enumerations and event handler types of the localization component.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/Event.h"

namespace tk {
class TObject;
}

namespace ml {

// Which per-language positions are recorded and applied.
enum TSwitchPositions : std::uint8_t { spNone, spControlsOnly, spFormAndControls };
inline constexpr std::string_view kSwitchPositionsNames[] = {"spNone", "spControlsOnly",
                                                             "spFormAndControls"};

// Which edit-like controls receive texts.
enum TTranslateEdits : std::uint8_t { teNever, teReadOnly, teAlways };
inline constexpr std::string_view kTranslateEditsNames[] = {"teNever", "teReadOnly", "teAlways"};

// Called before a switch; clearing AllowIt cancels it.
using TBeforeLanguageChange =
    tk::TEvent<void(tk::TObject* Sender, std::uint8_t NewLanguage, bool& AllowIt)>;
// Called after the last text of a switch is written.
using TAfterLanguageChanged = tk::TEvent<void(tk::TObject* Sender, std::uint8_t NewLanguage)>;
// Kept and stored for applications; the component itself never calls it.
using TIdNotFoundError =
    tk::TEvent<void(tk::TObject* Sender, const std::string& id, std::string& Res)>;

}  // namespace ml
