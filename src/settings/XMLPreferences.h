#pragma once

#include <cstdint>
#include <memory>
#include <string>

class Date;
class FolderItem;
class Variant;

// The application's preferences: typed values under text keys, held in memory and kept in
// "settings.xml" inside the folder named after quorvel::appname in the application-data folder.
// Every failure handled here is reported in a message box (MsgBox); nothing is logged.
namespace XMLPreferences {

// Finds or creates the settings folder and loads "settings.xml" when it exists.
void InitPrefFile();
// Writes every preference to "settings.xml"; a message box tells when it could not be written.
void WritePrefFile();

// The setters change memory only; they refuse (with a message box) a value whose type differs
// from the one already stored under the key.
void SetPrefString(const std::string& key, const std::string& value);
void SetPrefInteger(const std::string& key, std::int64_t value);
void SetPrefFolderItem(const std::string& key, std::shared_ptr<FolderItem> value);
void SetPrefDate(const std::string& key, std::shared_ptr<Date> value);
void SetPrefBoolean(const std::string& key, bool value);

// The getters return the default when the store is not initialised, the key is absent, or the
// stored value's type differs from the default's (the last two with a message box).
std::string GetPrefString(const std::string& key, const std::string& defaultValue);
std::int64_t GetPrefInteger(const std::string& key, std::int64_t defaultValue);
std::shared_ptr<Date> GetPrefDate(const std::string& key, std::shared_ptr<Date> defaultValue);
bool GetPrefBoolean(const std::string& key, bool defaultValue);

// True (after showing the not-initialised message box) when InitPrefFile has not set up the store.
bool NotInitialized();
void ErrorInitMsg();
// False (after showing the type message box) when key holds a value of another type code.
bool RightType(const std::string& key, const Variant& value);

}  // namespace XMLPreferences
