#pragma once
// Jobs that reshape the variation store as a whole: allocation, release,
// compaction after a run, ordering by ordinal and restoring the order, the
// optimisation's best copy and the extension-boundary array.
#include <cstdint>

#include "conditions/condition_records.h"
#include "variation/covering_index.h"
#include "variation/variation_store.h"

namespace kvx {

// Rows at most this many are sorted; a larger request does nothing.
constexpr std::int32_t kBontRendezesMax = 100000;

// Resizes the store to `sorok` rows of `sorHossz` bytes. Stored lines (up to
// the new row count) keep their bytes; new rows are zero, or left as they
// come when `nullazas` is false (a run's growth: every row is written before
// it counts as a line). False when the memory could not be obtained (the
// store is then unchanged).
bool SetBontasMatrix(VariationStore& t, std::int64_t sorok, std::int32_t sorHossz, const TarolasKornyezet* env,
                     bool nullazas = true);

// Releases the rows and everything that belongs to the variation's lines.
void FinalizeFBontasMatrix(VariationStore& t);

// Removes the occupied rows elso .. utolso (rows below BontSzelvszam) from a
// covering table, so a truncated store and its table agree again.
void SorIndexTorles(const VariationStore& t, ReszhalmazTabla& tabla, std::int32_t elso, std::int32_t utolso);

// Compaction after a run: the rows are cut to the stored line count.
void BontMatrixOpt(VariationStore& t, bool HuzasSzamsorVariacio);

// Sorts rows elso .. veg - 1 ascending by their lexicographic ordinal (for
// lines of ascending selection indexes the byte order of the rows), keeping
// equal lines in their earlier order. The rows 0 .. veg - 1 are saved first so
// BontListEredetiSorrend can restore them. Does nothing when veg exceeds
// kBontRendezesMax or elso lies outside 0 .. veg - 1, or for a variation built
// from the draws. Returns whether it sorted. With the optimisation on (opt
// given and switched on) the line now at row elso is the one its search
// measures the rewritable part by: its first index becomes OptHatarBajt.
bool BontListRendezes(VariationStore& t, std::int32_t elso, std::int32_t veg, bool HuzasSzamsorVariacio,
                      TVariacioOpciok* opt = nullptr);

// Restores the order saved by the last sort when the row count still matches.
bool BontListEredetiSorrend(VariationStore& t);
// The lines are in an order that a sort made and that can be restored.
bool BontListRendezett(const VariationStore& t);
// Keeps the current order: the order saved by the last sort is dropped.
void BontListSorrendRogzitese(VariationStore& t);

void SetBontasMatrixOptMax(VariationStore& t, std::int32_t sorok, std::int32_t sorHossz);
void FinalizeFBontasMatrixOptMax(VariationStore& t);

void SetLengthImport_Count(VariationStore& t, std::int32_t n);
void FinalizeImport_Count(VariationStore& t);

}  // namespace kvx
