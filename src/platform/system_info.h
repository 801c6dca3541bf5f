#pragma once
// Free physical memory and free disk space.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace kvx::platform {

// Bytes of MemAvailable in a /proc/meminfo text (MemFree when the kernel
// has no MemAvailable).
std::optional<std::uint64_t> memAvailableBol(std::string_view meminfo);
// Free physical memory in bytes, from /proc/meminfo.
std::optional<std::uint64_t> SzabadMemoria();
// Bytes available to the user on the drive of the path.
std::optional<std::uint64_t> SzabadLemezterulet(const std::filesystem::path& utvonal);

}  // namespace kvx::platform
