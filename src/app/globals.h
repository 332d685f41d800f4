#pragma once
// The program's three shared integers.

#include <cstdint>

// Lines taken by the latest extraction run; the length of the auto-open cycle.
extern std::int32_t urlCount;
// 1 while a browser window is loaded and in place, else 0.
extern std::int32_t browserWindowLoaded;
// 1-based position of the auto-open cycle; 0 before its first step.
extern std::int32_t cyclePosition;
