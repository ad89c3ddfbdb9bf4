#pragma once
// All built-in reference tables: area symbols, Band III raster groups and frequency lists.

#include "refdata/area_codes.h"
#include "refdata/band3_groups.h"
#include "refdata/frequencies.h"
