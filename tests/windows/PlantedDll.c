/* A DLL as an attacker would plant it beside the program: on loading, it
   appends its own path to C:\planted-dll-ran.txt. The installer test puts
   it beside the executable under the names of system DLLs the program uses
   and expects the file never to appear. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH];
        DWORD length = GetModuleFileNameA(self, path, MAX_PATH), written;
        HANDLE marker = CreateFileA("C:\\planted-dll-ran.txt", FILE_APPEND_DATA, 0, NULL, OPEN_ALWAYS, 0, NULL);
        WriteFile(marker, path, length, &written, NULL);
        WriteFile(marker, "\r\n", 2, &written, NULL);
        CloseHandle(marker);
    }
    return TRUE;
}
