#pragma once
// The body of the program: settings, the single-instance decision, the
// globals, the main frame and its message loop, and the orderly exit.
int RunApplication(int argc, char** argv);
