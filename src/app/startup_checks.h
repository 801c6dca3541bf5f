#pragma once
// What the program checks once it has loaded at start: whether the draws
// database or the online-access table is out of date, and whether to look
// for a new program version. At most one internet action is started.
#include <functional>
#include <optional>
#include <string>

namespace kvx {

struct InditasiAllapot {
    // Days from the database file's date to the INI file's date (the INI is
    // written at every close, so it stands for the last use); nullopt when
    // either file is missing.
    std::optional<double> AdatbazisNapok;
    bool OnlineOdbVan = false;
    std::optional<double> OnlineNapok;  // the same for "Online.odb"
    bool UjVerzioKereses = false;       // the version check is on in the settings
    bool VerzioKeresesElerheto = false; // the version check can run at all
    bool VanKijeloles = false;          // numbers are selected
    bool VanVariacio = false;           // the variation store holds lines
};

enum class InditasiMuvelet {
    Semmi,
    TeljesFrissites,  // every game's database
    VerzioKereses,
    EleresFrissites,  // the online-access table
};

struct InditasiValaszok {
    std::function<bool()> InternetElerheto;                      // asked only when needed
    std::function<void(const std::string&)> Figyelmeztetes;      // warning
    std::function<bool(const std::string&)> Jovahagyas;          // confirmation, true for Yes
    std::function<bool(const std::string&)> HibaKerdes;          // error question, true for Yes
};

struct InditasiEredmeny {
    InditasiMuvelet Muvelet = InditasiMuvelet::Semmi;
    int AdatbazisKora = 0;  // whole days, set when the database is old
};

// honlap: the program's home page shown after "Forrás: ".
InditasiEredmeny InditasiEllenorzes(const InditasiAllapot& a, const std::string& honlap, const InditasiValaszok& v);

}  // namespace kvx
