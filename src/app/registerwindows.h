#pragma once

class Program;

// Tells the program how to build each of its child windows on first use.
void registerWindows(Program &program);
