// Demo times as people read them: hh:mm:ss,mmm. The minutes are the total
// number of minutes, not reduced modulo 60, so 75 004 ms is 00:01:15,004
// and 3 725 000 ms is 01:62:05,000; times before 0 get a leading "-".
#pragma once

#include <cstdint>
#include <string>

std::string format_time(int32_t ms);
