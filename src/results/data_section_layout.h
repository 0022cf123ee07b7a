#pragma once
// The shape of the data section's tables, shared by its writer and its reader
// (data_section.h describes the section).

namespace kvor::data_section_layout {

inline constexpr int kMemberColumns = 2;
inline constexpr int kLineColumns = 2;
inline constexpr int kTendonColumns = 3;
// Parabolic tendons add the mid-eccentricity of each segment.
inline constexpr int kParabolicTendonColumns = 4;
inline constexpr int kAxleColumns = 2;

}  // namespace kvor::data_section_layout
