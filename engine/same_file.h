// Whether two paths name one existing file, under whatever names (a link,
// "./x", "dir/../x"): a conversion must never write over its own source.
#pragma once

bool IsSameFile(const char* first, const char* second);
