// The formats of the program's texts that are filled in before they are shown
// ("%s exists. Do you want to replace it?"), listed from the translation
// sources so that the window layer can translate such texts by their format.
#pragma once

#include <span>

std::span<const char* const> CorvaneTextFormats();
