// Carries the version resource that the version tests read.
int main()
{
    return 0;
}
