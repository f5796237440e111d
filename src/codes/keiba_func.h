#pragma once
// The racing vocabulary in one include: code tables, racing formatters and
// JV-Link result messages.

#include "codes/circled_number.h"
#include "codes/course_names.h"
#include "codes/horse_codes.h"
#include "codes/jv_result_message.h"
#include "codes/odds_pairs.h"
#include "codes/racing_format.h"
