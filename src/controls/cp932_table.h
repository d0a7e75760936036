#pragma once

#include <cstdint>

// The generated CP932 tables (src/controls/cp932_table_data.cpp, made by tools/gen_cp932.py). Only
// the codec reads them.
namespace cp932::detail {

inline constexpr int kFirstLead = 0x81;
inline constexpr int kLastLead = 0xFC;
inline constexpr int kFirstTrail = 0x40;
inline constexpr int kLastTrail = 0xFC;
inline constexpr int kLeadCount = kLastLead - kFirstLead + 1;
inline constexpr int kTrailCount = kLastTrail - kFirstTrail + 1;

// UTF-16 unit of the double-byte code (lead, trail) at
// [(lead - kFirstLead) * kTrailCount + trail - kFirstTrail]; 0 where the code has no character.
// Every CP932 double-byte character lies in the Basic Multilingual Plane.
extern const char16_t kDoubleByte[kLeadCount * kTrailCount];

// The code written for a character where it is not the first code that decodes to it (a character
// that stands twice in the code page), or where no code decodes to it (a one-way code such as
// U+301C -> 0x8160).
struct EncodeOverride
{
    char16_t unicode;
    std::uint16_t code;
};
extern const EncodeOverride kEncodeOverrides[];
extern const int kEncodeOverrideCount;

} // namespace cp932::detail
