#pragma once
// The types that cross between Kesto and the plug-in. Every argument and
// result is a 32-bit value in the DLL; entry points and callbacks are stdcall.
#include <cstdint>

#if defined(_WIN32)
#define KS_STDCALL __stdcall
#else
#define KS_STDCALL
#endif

// An ANSI, zero-terminated string in a global-allocator block.
using HostString = char*;
// Kesto's array of host strings, one per parameter of an action.
using ParameterList = HostString*;
// Kesto's main window (an HWND in the DLL).
using HostWindowHandle = void*;

typedef int32_t(KS_STDCALL* RegisterActionProc)(int32_t actionNumber, HostString name, HostString description,
                                               unsigned char* typeArray, int32_t parameterCount,
                                               int32_t parameterCountAgain);
typedef int32_t(KS_STDCALL* InterfaceAccessProc)(int32_t request, HostString* stringSlot);
typedef int32_t(KS_STDCALL* ScriptProcessorProc)(HostString scriptLine);

// The interface-access request that lets the author pick a rectangle.
constexpr int32_t kPickRectangleRequest = 8;
