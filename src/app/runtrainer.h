#pragma once

// The whole program run: reads the command line, then builds the program
// object with every window and runs until the frame closes. Returns the exit code.
int runTrainer(int argc, char *argv[]);
