#include "application.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The live region for screen readers is set up through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    int exitCode = 0;
    {
        velkorn::win32::Application application;
        exitCode = application.run();
    }
    CoUninitialize();
    return exitCode;
}
