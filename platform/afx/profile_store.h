// The per-user settings file behind the application's profile operations.
#pragma once

#include <cstdint>
#include <string>

// One per-user settings file, $XDG_CONFIG_HOME/<company>/<application>.conf
// (~/.config when XDG_CONFIG_HOME is not set), with each section an INI group.
// Nothing is kept between calls: each call opens the file again (Qt parses it
// again whenever its size or modification time changed), so that several
// running copies of the program see each other's settings. Texts are UTF-8
// and come back exactly as written. A store that cannot be read gives the
// defaults and one that cannot be written makes writes return false; neither
// prints anything.
class ProfileStore {
 public:
  ProfileStore(std::string company, std::string application);

  // Resolved at each call, following the environment as it is then.
  std::string FilePath() const;

  // Reading creates the folder and an empty file when they are missing, so
  // that the store exists from the first read on.
  std::string GetString(const char* section, const char* key, const char* defaultValue) const;
  // Replaces the file as a whole (written aside, then renamed over it) under a
  // lock, merging what other processes wrote meanwhile. A null value is
  // written as an empty text.
  bool WriteString(const char* section, const char* key, const char* value);

  // A value that is not a 32-bit integer (signed or unsigned, in decimal)
  // gives the default. The result is unsigned, so -1 reads as 0xFFFFFFFF.
  std::uint32_t GetInt(const char* section, const char* key, int defaultValue) const;
  bool WriteInt(const char* section, const char* key, int value);

 private:
  std::string m_company;
  std::string m_application;
};
