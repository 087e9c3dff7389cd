// The program's run: start-up, command line, search, report and display.
#pragma once

// Runs the whole program for the argument vector and returns the exit code,
// which is always 0. Usage and help end the process from inside.
int runPolyvista(int argc, char** argv);
