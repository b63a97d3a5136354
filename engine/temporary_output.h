// The file a conversion writes before it is known to be worth keeping: a
// hidden file next to the output, so that renaming it over the output is
// atomic and an existing output stays untouched until then.
#pragma once

#include <string>

#include "platform/com/hresult.h"

class TemporaryOutput {
 public:
  // Creates ".NAME.XXXXXX.part" in the folder of `outputPath`; Created()
  // says whether that worked, S_OK, or why not.
  explicit TemporaryOutput(std::string outputPath);
  // Removes the file unless it was committed.
  ~TemporaryOutput();
  TemporaryOutput(const TemporaryOutput&) = delete;
  TemporaryOutput& operator=(const TemporaryOutput&) = delete;

  HRESULT Created() const { return m_created; }
  const std::string& Path() const { return m_path; }

  // Gives the file the permissions of the output it replaces (or the usual
  // ones for a new file) and renames it to the output's name.
  HRESULT Commit();

 private:
  std::string m_outputPath;
  std::string m_path;
  HRESULT m_created = E_FAIL;
  bool m_committed = false;
};
