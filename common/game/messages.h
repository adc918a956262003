#pragma once
// Texts that more than one program shows, kept in one place.
#include <string>

namespace tervok {

// The failure messages of a load and a save (modal, critical icon, OK).
inline constexpr const char* kLoadFailedMessage = "Fehler beim laden !";
inline constexpr const char* kSaveFailedMessage = "Fehler beim speichern !";

// A file picked in the dialog whose name Windows-1252 cannot hold.
inline constexpr const char* kNameNotStorableMessage = "Dateiname nicht in den Spieldateien speicherbar !";

// A typed value that the field reader would split or cut, named by the
// caption of its field.
inline std::string fieldNotStorableMessage(const std::string& fieldName)
{
    return fieldName + ": Komma oder \" am Anfang nicht speicherbar !";
}

// What failed, for the reason written to standard error.
inline constexpr const char* kCannotLoad = "cannot load";
inline constexpr const char* kCannotSave = "cannot save";
inline constexpr const char* kCannotCreate = "cannot create";
inline constexpr const char* kCannotRead = "cannot read";

}  // namespace tervok
