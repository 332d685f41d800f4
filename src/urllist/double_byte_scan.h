#pragma once
// Fast scanning over list texts by the program's own double-byte rule: a byte
// of 0x80 or above begins a two-byte character. The extraction runs over the
// whole list text every time the text box loses the focus, so the searches
// look at 16 bytes at a time (SSE2, on every x86-64 machine) or, elsewhere,
// at 8 bytes at a time in a plain 64-bit word. VARNELLE_PORTABLE_SCAN selects
// the word version everywhere, so that it can be tested too.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if !defined(VARNELLE_PORTABLE_SCAN) && (defined(__SSE2__) || defined(_M_X64))
#define VARNELLE_SCAN_SSE2 1
#include <emmintrin.h>
#endif

#if defined(_MSC_VER)
#include <intrin.h>
#endif

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "The word-at-a-time searches assume a little-endian machine."
#endif

namespace urllist {
namespace scan {

inline bool isHighByte(char byte)
{
    return static_cast<unsigned char>(byte) >= 0x80;
}

inline std::size_t lowestSetBit(std::uint64_t mask)
{
#if defined(_MSC_VER)
    unsigned long index;
    _BitScanForward64(&index, mask);
    return index;
#else
    return static_cast<std::size_t>(__builtin_ctzll(mask));
#endif
}

#if defined(VARNELLE_SCAN_SSE2)

constexpr std::size_t kBlock = 16;

// One bit per byte of the 16 bytes at `bytes`.
inline std::uint32_t highBytes(const char* bytes)
{
    return static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes))));
}

inline std::uint32_t asciiBytes(const char* bytes)
{
    return ~highBytes(bytes) & 0xFFFFu;
}

// High bytes and CRs; with `lookForScheme` also every "ht" (needs 17 bytes).
inline std::uint32_t lineEvents(const char* bytes, bool lookForScheme)
{
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    __m128i events = _mm_cmpeq_epi8(block, _mm_set1_epi8('\r'));
    if (lookForScheme) {
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 1));
        events = _mm_or_si128(events, _mm_and_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('h')),
                                                    _mm_cmpeq_epi8(next, _mm_set1_epi8('t'))));
    }
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(block, events)));
}

#else

constexpr std::size_t kBlock = 8;
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

inline std::uint64_t loadWord(const char* bytes)
{
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// The high bit of every byte that equals `value` is set; bits above a true
// match may be set too, so only the lowest set bit can be trusted.
inline std::uint64_t bytesEqualTo(std::uint64_t word, unsigned char value)
{
    const std::uint64_t diff = word ^ (kOnes * value);
    return (diff - kOnes) & ~diff & kHighBits;
}

// Masks with the high bit of each picked byte set; the callers only use the
// lowest set bit, divided by 8.
inline std::uint64_t highBytes(const char* bytes)
{
    return loadWord(bytes) & kHighBits;
}

inline std::uint64_t asciiBytes(const char* bytes)
{
    return ~loadWord(bytes) & kHighBits;
}

inline std::uint64_t lineEvents(const char* bytes, bool lookForScheme)
{
    const std::uint64_t word = loadWord(bytes);
    std::uint64_t events = (word & kHighBits) | bytesEqualTo(word, '\r');
    if (lookForScheme) {
        events |= bytesEqualTo(word, 'h');
    }
    return events;
}

#endif

// Bit index to byte index: one bit per byte with SSE2, eight per byte else.
inline std::size_t firstByte(std::uint64_t mask)
{
    return lowestSetBit(mask) / (kBlock == 16 ? 1 : 8);
}

// The first position in [from, to) that holds a high byte, or `to`.
inline std::size_t findHighByte(const char* text, std::size_t from, std::size_t to)
{
    for (; to - from >= kBlock; from += kBlock) {
        if (const auto mask = highBytes(text + from)) {
            return from + firstByte(mask);
        }
    }
    while (from < to && !isHighByte(text[from])) {
        ++from;
    }
    return from;
}

// The first position in [from, to) that holds a byte below 0x80, or `to`.
inline std::size_t findAsciiByte(const char* text, std::size_t from, std::size_t to)
{
    for (; to - from >= kBlock; from += kBlock) {
        if (const auto mask = asciiBytes(text + from)) {
            return from + firstByte(mask);
        }
    }
    while (from < to && isHighByte(text[from])) {
        ++from;
    }
    return from;
}

// The first position in [from, to) that may matter to the splitting into
// lines: a high byte, a CR, and, with `lookForScheme`, an "h" that might
// begin "http://". It may stop at an "h" that does not; never does it pass
// over a position that matters.
inline std::size_t findLineEvent(const char* text, std::size_t from, std::size_t to,
                                 bool lookForScheme)
{
    // One byte beyond the block is looked at for the "t" after an "h".
    for (; to - from > kBlock; from += kBlock) {
        if (const auto mask = lineEvents(text + from, lookForScheme)) {
            return from + firstByte(mask);
        }
    }
    while (from < to && !isHighByte(text[from]) && text[from] != '\r' &&
           !(lookForScheme && text[from] == 'h')) {
        ++from;
    }
    return from;
}

// `runStart` holds a high byte on a character boundary. Skips the whole run of
// high bytes that begins there, two bytes per character, and gives the next
// character boundary after it: when the run has an odd length its last byte
// begins a character that takes the following byte as its second byte. The
// result may lie one past the end of the text when the text ends in the middle
// of a character.
inline std::size_t skipHighRun(const char* text, std::size_t runStart, std::size_t end)
{
    const std::size_t runEnd = findAsciiByte(text, runStart, end);
    return (runEnd - runStart) % 2 == 0 ? runEnd : runEnd + 1;
}

} // namespace scan

// The first character boundary at or after `target`, walking from the boundary
// `from` (at most `target`) over whole characters: `target` itself when a
// character starts there, else the byte after it.
inline std::size_t nextCharacterBoundaryAtOrAfter(std::string_view text, std::size_t from,
                                                  std::size_t target)
{
    const char* bytes = text.data();
    std::size_t position = from;
    while (position < target) {
        const std::size_t high = scan::findHighByte(bytes, position, target);
        if (high == target) {
            return target;
        }
        const std::size_t runEnd = scan::findAsciiByte(bytes, high, target);
        const bool even = (runEnd - high) % 2 == 0;
        if (runEnd == target) {
            return even ? target : target + 1;
        }
        position = even ? runEnd : runEnd + 1;
    }
    return position;
}

} // namespace urllist
