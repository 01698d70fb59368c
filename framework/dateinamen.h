#pragma once
// Names of files that come from data (list files, X files): a plain name in the working directory,
// never a path that could lead elsewhere.
#include <string>

bool IstSichererDateiname(const std::string& name);
