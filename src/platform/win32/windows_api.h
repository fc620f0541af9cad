// <windows.h> without the A/W macros whose names clash with the platform
// interfaces' methods (CreateWindow, DeleteFile, CopyFile...). Backend code
// calls the ANSI functions by their full names.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef CreateWindow
#undef DeleteFile
#undef CopyFile
#undef ReplaceFile
#undef GetDiskFreeSpace
#undef MessageBox
#undef CreateFolder
#undef RemoveFolder
