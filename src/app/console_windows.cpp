#include "console.h"

#include <windows.h>

#include <io.h>

#include <string>

namespace {

bool isSet(DWORD standardHandle)
{
    const HANDLE handle = GetStdHandle(standardHandle);
    return handle && handle != INVALID_HANDLE_VALUE;
}

// Standard output and error lead nowhere in a program made for windows, unless
// whoever started it redirected them (to a file, a pipe). Those that lead
// nowhere are tied to the console of the process that started the program,
// if it has one; from Explorer or a shortcut there is none, and nothing changes.
void tieToStartingConsole()
{
    static bool tried = false;
    if (tried)
        return;
    tried = true;
    const bool outputSet = isSet(STD_OUTPUT_HANDLE);
    const bool errorSet = isSet(STD_ERROR_HANDLE);
    if ((outputSet && errorSet) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!outputSet)
        (void)std::freopen("CONOUT$", "w", stdout);
    if (!errorSet)
        (void)std::freopen("CONOUT$", "w", stderr);
}

// The handle under the stream, or null when it has none (the runtime says -1
// or -2 then, which are no real handles).
HANDLE handleOf(std::FILE *stream)
{
    const int descriptor = _fileno(stream);
    const intptr_t handle = descriptor < 0 ? -1 : _get_osfhandle(descriptor);
    return handle > 0 ? reinterpret_cast<HANDLE>(handle) : nullptr;
}

// The text in the system's code page, as it went to files before.
std::string inCodePage(std::u16string_view text)
{
    const auto *wide = reinterpret_cast<const wchar_t *>(text.data());
    const int length = int(text.size());
    std::string bytes(WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr),
                      '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data(), int(bytes.size()), nullptr, nullptr);
    return bytes;
}

} // namespace

void printForUser(std::FILE *stream, std::u16string_view text)
{
    tieToStartingConsole();
    const HANDLE handle = handleOf(stream);
    if (!handle)
        return;
    // A console takes the text as Unicode, whatever its code page. (Asking for
    // its mode would need read access, which a stream opened to write lacks.)
    std::fflush(stream);
    DWORD written = 0;
    if (GetFileType(handle) == FILE_TYPE_CHAR &&
        WriteConsoleW(handle, text.data(), DWORD(text.size()), &written, nullptr))
        return;
    const std::string bytes = inCodePage(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}
