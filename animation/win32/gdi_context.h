// The animation's drawing seam backed by a GDI device context.
#pragma once

#include "drawing_context.h"

#include <windows.h>

DrawingContext GdiDrawingContext(HDC context);
