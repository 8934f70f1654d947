// Ordinals 42 and 43 have no name and no job; callers may still bind them.
extern "C" {
int ReservedNoArgs() { return 1; }
int ReservedOneArg(void*) { return 1; }
}
