#pragma once
// Sizes written to a control stay within 0..32627 pixels.

namespace platform {

constexpr int kMaxControlSize = 32627;

constexpr int clampControlSize(int size)
{
    return size < 0 ? 0 : (size > kMaxControlSize ? kMaxControlSize : size);
}

} // namespace platform
