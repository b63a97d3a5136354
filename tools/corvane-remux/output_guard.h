// Checks made before anything is written: the source must be a readable
// file, and the output must not be the source or anything the user did not
// agree to replace.
#pragma once

#include <string>

// Empty when the conversion may go ahead; otherwise what is wrong, in words
// for the user.
std::string CheckRemuxPaths(const std::string& sourcePath, const std::string& outputPath, bool overwrite);
