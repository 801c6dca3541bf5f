#pragma once
#include "common/date_helpers.h"
// Export of the variation's lines into a text file for use outside the
// program: ".csv" (numbers separated by semicolons), ".txt" (aligned numbers
// separated by dashes), ".html" (a numbered list for a web browser) and
// ".tmb" (every number in one array expression). Each line shows the main
// numbers, then the fixed numbers, then the extra-pool numbers as the player
// knows them. Lines end in CR LF; the text is plain ASCII apart from the
// generator and title of the html head, which are UTF-8 as the page declares.
#include <cstdint>
#include <string>

#include "app/game_table.h"
#include "tickets/number_lists.h"
#include "variation/variation_store.h"

namespace kvx {

inline constexpr const char* kExportSzoveg = "Export állomány mentése";

// What the html head names.
struct ExportFejlec {
    std::string VariacioVerzio;   // "2.8.1.7"
    double VariacioDatum = 0.0;   // days since 1899-12-30
};


// The whole export text; formatum is "csv", "txt", "html" or "tmb" (any
// other gives an empty text).
std::string ExportSzoveg(const VariationStore& t, const SzamListak& l, const GameParams& g, const std::string& formatum,
                         const ExportFejlec& fejlec);

// Writes the export through a temporary file. False and the message in
// uzenet when the file cannot be written (an old file then stays as it was).
bool ExportKiiras(const std::string& nev, const std::string& formatum, const VariationStore& t, const SzamListak& l,
                  const GameParams& g, const ExportFejlec& fejlec, std::string& uzenet);

}  // namespace kvx
