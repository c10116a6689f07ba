#pragma once

#include "PictureProbe.h"
#include "WorkFolder.h"

namespace sporix::keytool {

// Decodes with the program's own loader: JPEGs through libjpeg, bitmaps through Qt's
// reader behind the program's header checks.
authoring::PictureProbe programPictureProbe(const WorkFolder& folder);

}  // namespace sporix::keytool
