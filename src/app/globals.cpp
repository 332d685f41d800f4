#include "app/globals.h"

std::int32_t urlCount = 0;
std::int32_t browserWindowLoaded = 0;
std::int32_t cyclePosition = 0;
