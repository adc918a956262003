#pragma once
// Texts that more than one program shows, kept in one place.
namespace tervok {

// The failure messages of a load and a save (modal, critical icon, OK).
inline constexpr const char* kLoadFailedMessage = "Fehler beim laden !";
inline constexpr const char* kSaveFailedMessage = "Fehler beim speichern !";

// What failed, for the reason written to standard error.
inline constexpr const char* kCannotLoad = "cannot load";
inline constexpr const char* kCannotSave = "cannot save";
inline constexpr const char* kCannotCreate = "cannot create";
inline constexpr const char* kCannotRead = "cannot read";

}  // namespace tervok
