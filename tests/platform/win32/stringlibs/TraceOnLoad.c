/* A string library with code: its entry point leaves a trace in the environment of the process
   that runs it. Loading it as a string library must never run it. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) SetEnvironmentVariableW(L"ZOVA_STRING_LIBRARY_CODE_RAN", L"1");
  return TRUE;
}
