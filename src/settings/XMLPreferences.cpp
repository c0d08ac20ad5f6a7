#include "settings/XMLPreferences.h"

#include <optional>

#include "platform/BinaryStream.h"
#include "platform/Date.h"
#include "platform/Dictionary.h"
#include "platform/FolderItem.h"
#include "platform/MsgBox.h"
#include "platform/TextFunctions.h"
#include "platform/TextInputStream.h"
#include "platform/UserFolders.h"
#include "platform/Variant.h"
#include "settings/AppName.h"
#include "settings/XMLDictionary.h"

namespace XMLPreferences {

namespace {

std::shared_ptr<Dictionary> prefs;
std::shared_ptr<FolderItem> prefFile;
// Set when the existing file did not load: its content is kept as a backup before the next
// write replaces it.
bool backupPending = false;

const char* const kBackupName = "settings.xml.bak";

void showWriteFailure() {
  MsgBox("Error Creating Preferences File!!!" + EndOfLine() + EndOfLine() +
         "You must call InitPrefFile to initialize the preferences first!");
}

// Copies the settings file to "settings.xml.bak" beside it (replacing an older backup); false
// when the copy did not fully reach the disk. A file that is gone needs no backup.
bool keepBackup() {
  if (!prefFile->Exists()) return true;
  const std::shared_ptr<FolderItem> folder = prefFile->Parent();
  const std::shared_ptr<FolderItem> backup = folder ? folder->Child(kBackupName) : nullptr;
  if (!backup) return false;
  const std::unique_ptr<TextInputStream> in = prefFile->OpenAsTextFile();
  if (!in) return false;
  const std::string content = in->ReadAll();
  if (in->ReadError()) return false;
  in->Close();
  const std::unique_ptr<BinaryStream> out = backup->CreateBinaryFile("");
  return out && out->Write(content) && out->Close();
}

}  // namespace

void InitPrefFile() {
  std::shared_ptr<FolderItem> file;
  if (const std::shared_ptr<FolderItem> appData = SpecialFolder::ApplicationData()) {
    // A fresh account may not have its configuration folder yet.
    if (!appData->Exists()) appData->CreateAsFolder();
    if (const auto folder = appData->Child(quorvel::appname); folder && !folder->Exists())
      folder->CreateAsFolder();
    if (const auto folder = appData->Child(quorvel::appname)) file = folder->Child("settings.xml");
  }
  if (!file) {
    MsgBox("Error Creating Preferences File!!!" + EndOfLine() + EndOfLine() +
           "The FolderItem was NIL! <InitPrefFile>");
    return;
  }

  prefs = std::make_shared<Dictionary>();
  prefFile = file;
  backupPending = false;

  if (prefFile->Exists() && !XMLDictionary::LoadXML(prefs, prefFile)) {
    backupPending = true;
    MsgBox("Error Parsing the Preference File!!" + EndOfLine() + EndOfLine() +
           "The FolderItem used may not be the correct type of file!");
  }
}

void WritePrefFile() {
  if (NotInitialized()) return;
  if (backupPending) {
    if (!keepBackup()) {
      showWriteFailure();
      return;
    }
    backupPending = false;
  }
  if (!XMLDictionary::SaveXML(prefs, prefFile, false)) showWriteFailure();
}

bool NotInitialized() {
  if (prefs && prefFile) return false;
  ErrorInitMsg();
  return true;
}

void ErrorInitMsg() {
  MsgBox("Error Creating Preferences File!!!" + EndOfLine() + EndOfLine() +
         "You must call InitPrefFile() to initialize the preferences first!");
}

bool RightType(const std::string& key, const Variant& value) {
  const Variant k(key);
  if (!prefs->HasKey(k)) return true;
  if (VarType(prefs->Value(k)) == VarType(value)) return true;
  MsgBox("Preferences Error!" + EndOfLine() + EndOfLine() + "This Key does not match the assigned Type!" +
         EndOfLine() + "Key: " + key);
  return false;
}

namespace {

void setPref(const std::string& key, const Variant& value) {
  if (NotInitialized()) return;
  if (!RightType(key, value)) return;
  prefs->SetValue(Variant(key), value);
}

// The stored value when the store is initialised, the key present and its type code that of
// defaultValue; nothing otherwise.
std::optional<Variant> getPref(const std::string& key, const Variant& defaultValue) {
  if (NotInitialized()) return std::nullopt;
  const Variant k(key);
  if (!prefs->HasKey(k)) return std::nullopt;
  if (!RightType(key, defaultValue)) return std::nullopt;
  return prefs->Value(k);
}

}  // namespace

void SetPrefString(const std::string& key, const std::string& value) {
  setPref(key, Variant(value));
}

void SetPrefInteger(const std::string& key, std::int64_t value) {
  setPref(key, Variant(value));
}

void SetPrefFolderItem(const std::string& key, std::shared_ptr<FolderItem> value) {
  setPref(key, Variant(std::move(value)));
}

void SetPrefDate(const std::string& key, std::shared_ptr<Date> value) {
  setPref(key, Variant(std::move(value)));
}

void SetPrefBoolean(const std::string& key, bool value) {
  setPref(key, Variant(value));
}

std::string GetPrefString(const std::string& key, const std::string& defaultValue) {
  const auto stored = getPref(key, Variant(defaultValue));
  return stored ? stored->StringValue() : defaultValue;
}

std::int64_t GetPrefInteger(const std::string& key, std::int64_t defaultValue) {
  const auto stored = getPref(key, Variant(defaultValue));
  return stored ? stored->Int64Value() : defaultValue;
}

std::shared_ptr<Date> GetPrefDate(const std::string& key, std::shared_ptr<Date> defaultValue) {
  const auto stored = getPref(key, Variant(defaultValue));
  return stored ? stored->ObjectAs<Date>() : defaultValue;
}

bool GetPrefBoolean(const std::string& key, bool defaultValue) {
  const auto stored = getPref(key, Variant(defaultValue));
  return stored ? stored->BooleanValue() : defaultValue;
}

}  // namespace XMLPreferences
