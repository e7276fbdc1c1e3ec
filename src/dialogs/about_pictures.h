// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPixmap>

namespace korvanex {

// The two pictures of the About box, drawn rather than loaded: a dual wheel standing at the edge of a
// jointed slab, seen from above, and the slab curling under a temperature differential, seen from
// the side.
QPixmap slabPlanPicture();
QPixmap curlingSectionPicture();

} // namespace korvanex
