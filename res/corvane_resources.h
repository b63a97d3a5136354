// Corvane's resource table: what the framework reads dialogs, strings, icons
// and the version record from.
#pragma once

#include "platform/afx/resources.h"

const ModuleResources& CorvaneResources();
