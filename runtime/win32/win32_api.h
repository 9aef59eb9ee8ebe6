#pragma once

// The one way into the Win32 headers for this backend.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// Needs the types of windows.h.
#include <commctrl.h>

// The runtime's Backend has a CreateWindow of its own; the macro would rename it in our files.
#undef CreateWindow
