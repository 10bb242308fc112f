// The Windows program's entry point, ahead of the C runtime's. The program
// is run from folders that others can write to, such as Downloads: before
// any other code runs (static constructors, Qt's WinMain, which already
// calls a delay-loaded DLL), every DLL loaded from now on comes from
// System32. Those mapped before this point are Windows' and Wine's core,
// which neither takes from beside a program; the others are delay-loaded
// for this (DelayLoad.cmake).
#include <windows.h>

extern "C" int WinMainCRTStartup();

extern "C" int zolinarStartup()
{
    if (!SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32))
        ExitProcess(1);
    return WinMainCRTStartup();
}
