#pragma once

#include "windowname.h"

class Program;

// Opens the window as its menu item does, the browser with stand-in views.
// The score panel is there from the start.
void openFromTheMenu(Program &program, WindowName name);
