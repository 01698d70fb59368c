#pragma once
// The game names sound and music files as wide text; files are opened by UTF-8 names.
#include <string>

std::string Utf8Pfad(const wchar_t* pfad);  // empty for nullptr
// The wide name of a plain ASCII file name, as the sound and music loaders take it.
std::wstring Breit(const char* name);
