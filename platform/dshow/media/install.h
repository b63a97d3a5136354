// Installs the media filters as COM classes and in the filter registry, with
// the merits intelligent connection ranks them by. Idempotent; a test may
// remove a class afterwards (CoUnregisterClass) to see the program cope. The
// libraries' own log is silenced until a front end routes it (library_log.h).
#pragma once

void InstallMediaFilters();
