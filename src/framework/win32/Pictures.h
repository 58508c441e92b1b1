#pragma once
// The wizard's pictures on Windows: PNG bitmaps in the program's resources, named
// "<PICTURE>_<percent>", drawn from the artwork at 100, 150 and 200 % of the display's scale.

#include <windows.h>

#include <string>

namespace framework::win32 {

// Draws the picture `name` (e.g. "front_storage") in `rect`, at the top left, as large as
// fits with its proportions kept, from the bitmap made for the nearest scale at or above
// the one needed (so it follows the monitor's DPI), scaled smoothly to the exact size.
// False when the picture is not in the resources or cannot be decoded.
bool DrawPicture(HDC dc, const RECT& rect, const std::string& name);

}  // namespace framework::win32
