#pragma once
// Small helpers shared by the draws tests: a game, a temporary folder, and
// database images built field by field.
#include "app/game_table.h"
#include "common/binary_io.h"
#include "draws/database_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kvx::testing {

inline GameParams Jatek(int index) { return kvx::JatekParameterei(index); }

// A row: sequence, year, week, then the number columns (padded with zeros to
// HuzottSzamok).
inline TTombInt1D Sor(const GameParams& g, std::int32_t seq, std::int32_t ev, std::int32_t het,
                      std::initializer_list<std::int32_t> szamok)
{
    TTombInt1D s{seq, ev, het};
    s.insert(s.end(), szamok.begin(), szamok.end());
    s.resize(static_cast<std::size_t>(g.HuzottSzamok + 3), 0);
    return s;
}

constexpr THuzVerzio kTesztVerzio{3, 1, 0};

class TempDir {
public:
    TempDir()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("kvx_draws_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void Ir(const std::string& path, const std::vector<std::uint8_t>& data)
{
    ASSERT_TRUE(writeFileAtomic(path, data));
}

inline std::vector<std::uint8_t> Olvas(const std::string& path)
{
    std::vector<std::uint8_t> d;
    EXPECT_TRUE(readWholeFile(path, d));
    return d;
}

}  // namespace kvx::testing
