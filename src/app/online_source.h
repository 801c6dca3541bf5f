#pragma once
// The readable source of the online-access table that ships with the
// program, and the installation of the shipped table into the databases'
// folder on a first start.
#include <optional>
#include <string>
#include <string_view>

#include "app/online_access.h"

namespace kvx {

// Reads the source table: TAB-separated rows, "#" comments and blank lines
// skipped, "-" for an empty field. Header rows "verzio" a.b.c.d, "sorszam" N
// and "rekord" address, then exactly one row for every game index:
//   index, game name, operator home page, result file name, result address,
//   result archive name, manual betting page.
// The game name must match the program's own, so a shifted row is caught.
// Texts must be printable ASCII (the table stores one-byte code-page text).
struct OnlineForras {
    std::optional<TOnlineEleresek> Tabla;
    std::string Hiba;  // "line N: ..." when Tabla is empty
};
OnlineForras OnlineForrasOlvasas(std::string_view szoveg);

enum class AlapTelepites {
    MarVan,     // the databases' folder already holds a table: left alone
    Telepitve,  // the shipped table was copied
    NincsAlap,  // no shipped table, or it is not a whole table
    Hiba,       // writing the copy failed
};
// Copies the shipped table alapUt to celUt when celUt does not exist. The
// shipped file must be a whole table; the copy goes through a temporary file.
AlapTelepites AlapOnlineTelepites(const std::string& alapUt, const std::string& celUt);

}  // namespace kvx
