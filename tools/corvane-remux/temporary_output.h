// The file a conversion writes before it is known to be worth keeping: a
// hidden file next to the output, so that renaming it over the output is
// atomic and an existing output stays untouched until then.
#pragma once

#include <string>

class TemporaryOutput {
 public:
  // Creates ".NAME.XXXXXX.part" in the folder of `outputPath`; IsCreated()
  // says whether that worked, Error() why not.
  explicit TemporaryOutput(std::string outputPath);
  // Removes the file unless it was committed.
  ~TemporaryOutput();
  TemporaryOutput(const TemporaryOutput&) = delete;
  TemporaryOutput& operator=(const TemporaryOutput&) = delete;

  bool IsCreated() const { return m_created; }
  const std::string& Error() const { return m_error; }
  const std::string& Path() const { return m_path; }

  // Gives the file the permissions of the output it replaces (or the usual
  // ones for a new file) and renames it to the output's name. Empty on
  // success, otherwise the reason.
  std::string Commit();

 private:
  std::string m_outputPath;
  std::string m_path;
  std::string m_error;
  bool m_created = false;
  bool m_committed = false;
};
