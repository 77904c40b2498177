#pragma once
#include <cstdint>

// Offsets and sizes of the PE format, shared by the resource reader
// (PeResourceFile) and olvar-tool's writer (PeResourceWriter).
namespace lumivra::pe {

inline constexpr uint32_t kDosHeaderSize = 64;
inline constexpr uint32_t kLfanewOffset = 0x3C;  // DOS header field: where "PE\0\0" stands
inline constexpr uint32_t kSignatureSize = 4;
inline constexpr uint32_t kFileHeaderSize = 20;
inline constexpr uint32_t kSectionHeaderSize = 40;

// The optional header: its magic, where its data directories start (the
// directory count is the field just before them), and its checksum field.
inline constexpr uint16_t kMagicPe32 = 0x10B;
inline constexpr uint16_t kMagicPe32Plus = 0x20B;
inline constexpr uint32_t kDataDirsPe32 = 96;
inline constexpr uint32_t kDataDirsPe32Plus = 112;
inline constexpr uint32_t kChecksumField = 64;
inline constexpr uint32_t kDataDirSize = 8;
inline constexpr uint32_t kMaxDataDirs = 16;
inline constexpr uint32_t kResourceDirIndex = 2;

// The resource section: directory header, directory entry, data entry.
inline constexpr uint32_t kResDirHeaderSize = 16;
inline constexpr uint32_t kResEntrySize = 8;
inline constexpr uint32_t kResDataEntrySize = 16;
// In a directory entry: the name is a string, the target a subdirectory.
inline constexpr uint32_t kResHighBit = 0x80000000u;

}  // namespace lumivra::pe
