// The texts that the localization component shows to the user.
#pragma once

namespace ml::messages {

inline constexpr char kValueTooHigh[] =
    "Value must not be higher than\rnumber of available languages.";
inline constexpr char kAtLeastOneLanguage[] = "You have to provide at least 1 language.";
inline constexpr char kDecreaseDroppingActive[] =
    "You are decreasing the number of languages.\rEntries for the removed language will be "
    "lost.\rThe currently displayed language will be deleted, too.\r\rDo you really want to "
    "continue?";
inline constexpr char kDecrease[] =
    "You are decreasing the number of languages.\rEntries for the removed language will be "
    "lost.\r\rContinue?";
inline constexpr char kDropPositions[] =
    "You are going to drop the positions.\rCurrently different values are stored for each "
    "language,\rDo you want to drop these values?";
inline constexpr char kDropFormPositions[] =
    "You are going to drop the positions for the form.\rCurrently different values are stored "
    "for each language.\rDo you want to drop these values?";
inline constexpr char kCancelled[] = "Cancelled.";
// Followed by the library's path in double quotes and a full stop.
inline constexpr char kCannotLoadStringLibrary[] = "Cannot load string DLL ";

}  // namespace ml::messages
