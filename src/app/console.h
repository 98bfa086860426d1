#pragma once

#include <cstdio>
#include <string_view>

// Prints a text for the user (the help, the version, a command-line error) to
// standard output or standard error, as `stream` says. A Windows program made
// for windows has no console of its own: started from cmd.exe or PowerShell, it
// prints to theirs. Kept free of Qt, as the Windows side is built for Windows only.
void printForUser(std::FILE *stream, std::u16string_view text);
