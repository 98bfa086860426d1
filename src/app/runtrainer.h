#pragma once

#include <functional>

class Program;

// The whole program run: reads the command line, then builds the program
// object with every window and runs until the frame closes. Returns the exit code.
// `started`, if given, is called once the frame is up, before the event loop
// runs: the play-through drives the whole program from there.
int runTrainer(int argc, char *argv[], const std::function<void(Program &)> &started = {});
