#include "application.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    int exitCode = 0;
    {
        velkorn::win32::Application application;
        exitCode = application.run();
    }
    return exitCode;
}
