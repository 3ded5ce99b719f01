// Resource modules: the instance handle of the program, the current resource handle that
// launchers switch, and the bitmaps, icons and strings a module registers by id.
#pragma once

#include <string>

#include "win/bitmap.h"
#include "win/types.h"

HINSTANCE AfxGetInstanceHandle();           // the program (GetModuleHandleW(nullptr))
HINSTANCE AfxGetResourceHandle();           // the module resources are looked up in first
void AfxSetResourceHandle(HINSTANCE module);
HINSTANCE AfxFindResourceHandle(UINT id, int kind);  // the module that has the resource, or null

namespace mfc {

constexpr int kResourceDialog = 5;
constexpr int kResourceBitmap = 2;
constexpr int kResourceIcon = 3;
constexpr int kResourceString = 6;

void RegisterBitmapResource(HINSTANCE module, UINT id, win::Surface pixels);
void RegisterIconResource(HINSTANCE module, UINT id, int width = 32, int height = 32);
// An icon with its pixels (its size is the picture's).
void RegisterIconPicture(HINSTANCE module, UINT id, win::Surface picture);
void RegisterStringResource(HINSTANCE module, UINT id, std::wstring text);

// Looked up like dialogs: the current resource module first, then the others.
const win::Surface* FindBitmapResource(UINT id);
bool FindStringResource(UINT id, std::wstring& text);
HICON LoadIconResource(UINT id);  // a handle per (module, id), stable; null when missing
SIZE IconSize(HICON icon);
// The pixels of an icon registered with a picture; null otherwise.
const win::Surface* IconPictureOf(HICON icon);

// Internal: remembers a module in registration order.
void NoteResourceModule(HINSTANCE module);

}  // namespace mfc

HICON AfxLoadIcon(UINT id);
