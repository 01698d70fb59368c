// The game's entry point; the shell in framework/ does the work.
int main()
{
    return 0;
}
