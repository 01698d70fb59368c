// The game's entry point; the shell in framework/ does the work.
#include <cstdio>
#include <string_view>

#include "framework/shell.h"

int main(int argc, char** argv)
{
    ShellOptions optionen;
    // The start-up benchmark times the real program by this line.
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--hauptmenue-melden")
            optionen.beimHauptmenue = [] {
                std::fputs("hauptmenue\n", stdout);
                std::fflush(stdout);
            };
    return static_cast<int>(WinMain(optionen));
}
