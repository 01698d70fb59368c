// The game's entry point; the shell in framework/ does the work.
#include "framework/shell.h"

int main()
{
    return static_cast<int>(WinMain(ShellOptions{}));
}
