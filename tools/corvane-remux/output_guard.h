// Checks made before anything is written: the source must be a readable
// file, and the output must not be the source or anything the user did not
// agree to replace.
#pragma once

#include <string>

#include "tools/corvane-remux/remux_result.h"

// Goes on when the conversion may go ahead; otherwise refused, saying what is
// wrong.
RemuxResult CheckRemuxPaths(const std::string& sourcePath, const std::string& outputPath, bool overwrite);
