#pragma once

#include <vector>

#include "platform/toolkit.h"

namespace vorn {

// Where a window with `bounds` should go so that the operator can reach it.
// Bounds that lie mostly (more than half their area) outside every work area,
// as after the monitor they were saved on has gone, are moved into the
// nearest one, shrunk to fit it when larger; anything else is kept exactly.
// Without work areas nothing is known, and the bounds are kept.
Rect KeepOnScreen(const Rect& bounds, const std::vector<Rect>& work_areas);

}  // namespace vorn
