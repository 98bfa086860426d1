#pragma once

#include "windowname.h"

class Program;

// Opens the window as its menu item does; the browser gets a page view that
// takes the focus as the real one does but loads nothing. The score panel is
// there from the start.
void openFromTheMenu(Program &program, WindowName name);
