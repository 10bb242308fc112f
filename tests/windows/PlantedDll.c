/* A DLL as an attacker would plant it beside the program: whenever the
   loader calls it, it appends its own path to C:\planted-dll-ran.txt. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved)
{
    char line[MAX_PATH + 2];
    DWORD length = GetModuleFileNameA(self, line, MAX_PATH), written;
    HANDLE marker = CreateFileA("C:\\planted-dll-ran.txt", FILE_APPEND_DATA, 0, NULL, OPEN_ALWAYS, 0, NULL);
    (void)reason, (void)reserved;
    lstrcpyA(line + length, "\r\n");
    WriteFile(marker, line, length + 2, &written, NULL);
    return CloseHandle(marker);
}
