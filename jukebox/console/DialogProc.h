#pragma once

#include <windows.h>

#include "jukebox/console/CallbackGuard.h"

namespace brambletune {

// The dialog procedure of the window class Form. The object passed to
// CreateDialogParamA or DialogBoxParamA rides in DWLP_USER, learns its handle
// at WM_INITDIALOG and answers every later message of that dialog through
// Form::OnMessage. No exception leaves the procedure into the system's frames:
// it is shown to the user instead.
template <class Form>
INT_PTR CALLBACK DialogProcOf(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<Form*>(lParam)->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<Form*>(GetWindowLongPtrA(dialog, DWLP_USER));
    // After the unload the object may already serve a new dialog.
    if (!self || self->dialog_ != dialog) return FALSE;
    INT_PTR result = TRUE;
    RunGuarded(dialog, [&] { result = self->OnMessage(message, wParam, lParam); });
    return result;
}

}  // namespace brambletune
