#pragma once
// The print buffer as an RTF document: "Courier New" at the buffer's size,
// bold lines bold, every letter outside ASCII as a Unicode escape and a
// form-feed line as a page break.
#include <cstdint>
#include <string>
#include <vector>

#include "printing/print_pages.h"

namespace kvx {

std::string RtfSzoveg(const std::vector<NyomtSor>& puffer, std::int32_t betuMeret = 8);

// Writes the document to a temporary file beside the target and renames it
// over the target only when all of it was written: a failure keeps the
// old file as it was. False on failure.
bool RtfMentes(const std::string& allomany, const std::vector<NyomtSor>& puffer, std::int32_t betuMeret = 8);

}  // namespace kvx
