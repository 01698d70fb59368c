// The game's entry point; the shell in framework/ does the work.
#include <string_view>

#include "framework/shell.h"

int main(int argc, char** argv)
{
    ShellOptions optionen;
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--hauptmenue-melden") optionen.meldeHauptmenue = true;
    return static_cast<int>(WinMain(optionen));
}
