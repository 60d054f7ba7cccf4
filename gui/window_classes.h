// The layer's own window classes: the page window and the self-drawn controls. Internal to gui/.
#pragma once

#include <windows.h>

namespace gui {

// Posted to a page window by DestroyPage; the page goes when the loop takes it.
constexpr UINT kDestroyRequest = WM_APP + 0x100;

// The identifier of the one system timer of a timer window.
constexpr UINT_PTR kTimerId = 1;

extern const wchar_t kPageClass[];
extern const wchar_t kPictureBoxClass[];
extern const wchar_t kLabelClass[];
extern const wchar_t kTransparentLabelClass[];
extern const wchar_t kTimerClass[];

// Registers every class once per process; returns false when one cannot be registered.
bool RegisterWindowClasses();

// Called by the page window when it has been destroyed (runtime.cpp).
void OnPageWindowGone(HWND hwnd);
// Called by a timer window on each expiry (runtime.cpp).
void OnTimerExpired(HWND hwnd);

}  // namespace gui
