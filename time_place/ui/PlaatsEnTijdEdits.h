#pragma once
// The value edits of times, dates and coordinates, for every dialog that takes birth data.

#include "time_place/ui/DatumEdit.h"
#include "time_place/ui/GeoEdit.h"
#include "time_place/ui/UurEdit.h"
