// Built only into the test build of the Windows program: the entry tests
// drive the input method from another process by sending a number box
// WM_COPYDATA, and the box's thread then works its input context through
// IMM as an input method would: a composition set, then committed or
// cancelled. What the input method sends the box is answered before the
// request returns, so that the test can read the box at once.
#include <windows.h>

#include <imm.h>

namespace velkorn::win32 {

namespace {

enum ImeRequest : ULONG_PTR { Compose = 1, Commit = 2, Cancel = 3 };

// Messages the input method posted rather than sent.
void answerPosted(HWND edit) {
    MSG message;
    while (PeekMessageW(&message, edit, WM_IME_STARTCOMPOSITION, WM_IME_KEYLAST, PM_REMOVE) ||
           PeekMessageW(&message, edit, WM_IME_SETCONTEXT, WM_IME_KEYUP, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

} // namespace

LRESULT driveInputMethod(HWND edit, const COPYDATASTRUCT& request) {
    SetFocus(edit);
    HIMC context = ImmGetContext(edit);
    if (context == nullptr) {
        return 0;
    }
    BOOL done = FALSE;
    switch (request.dwData) {
    case Compose:
        ImmSetOpenStatus(context, TRUE);
        done = ImmSetCompositionStringW(context, SCS_SETSTR, request.lpData, request.cbData,
                                        nullptr, 0);
        break;
    case Commit:
        done = ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
        break;
    case Cancel:
        done = ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
        break;
    default:
        break;
    }
    ImmReleaseContext(edit, context);
    answerPosted(edit);
    return done ? 1 : 0;
}

} // namespace velkorn::win32
