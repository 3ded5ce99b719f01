// The texts and fixed pictures of the designer: the names of the control types, the
// label of the contents field and the hint of the list field per type.
#pragma once

#include "host/zk_string.h"
#include "win/render.h"
#include "win/types.h"

// The icon shown on flex buttons.
constexpr UINT kFlexButtonIcon = 239;
// The system button-face colour the designer's background is filled with.
constexpr COLORREF kButtonFaceColour = win::color::kFace;

// The entry of the type combo for type (0..30).
Zk_String controlTypeName(int type);
// The label of the contents field for type (may be empty).
Zk_String contentsLabelOf(int type);
// The hint of the list field; false when the type has no list (the field is disabled).
bool listHintOf(int type, Zk_String& hint);
