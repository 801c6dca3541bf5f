#pragma once
// Test helpers for the condition tabs: the user's means on an up-down (an
// arrow click, a double click) and a run of the engine with what the window
// left in the records.
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "conditions/ui/feltetelek_kornyezet.h"
#include "draws/draws_table.h"
#include "variation/condition_filter.h"
#include "variation/generation_run.h"
#include "variation/variation_store.h"

namespace kvx::teszt {

using Sor = std::vector<std::uint8_t>;  // selection indexes, ascending

inline void Nyil(QAbstractSpinBox* e, bool fel)
{
    QStyleOptionSpinBox opt;
    opt.initFrom(e);
    opt.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
    opt.buttonSymbols = e->buttonSymbols();
    opt.frame = e->hasFrame();
    opt.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect r = e->style()->subControlRect(QStyle::CC_SpinBox, &opt,
                                               fel ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, e);
    QTest::mouseClick(e, Qt::LeftButton, {}, r.center());
}

// Clicks the arrows until the edit shows the value; false when they stop short.
inline bool Allit(QSpinBox* e, int cel)
{
    for (int i = 0; i < 40 && e->value() != cel; ++i) {
        const int elotte = e->value();
        Nyil(e, cel > elotte);
        if (e->value() == elotte) return false;
    }
    return e->value() == cel;
}

inline void Dupla(QSpinBox* e) { QTest::mouseDClick(e->findChild<QLineEdit*>(), Qt::LeftButton); }
inline void Dupla(QLineEdit* e) { QTest::mouseDClick(e, Qt::LeftButton); }

// Types a text into an edit (a spin box's or a line edit) and presses Enter.
inline void Gepel(QWidget* e, const QString& s)
{
    QLineEdit* le = qobject_cast<QLineEdit*>(e);
    if (!le) le = e->findChild<QLineEdit*>();
    le->setFocus();
    le->selectAll();
    QTest::keyClick(le, Qt::Key_Backspace);
    QTest::keyClicks(le, s);
    QTest::keyClick(le, Qt::Key_Return);
}

inline std::vector<Sor> MindenSor(int n, int k)
{
    std::vector<Sor> v;
    Sor a(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i) a[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    for (;;) {
        v.push_back(a);
        int p = k - 1;
        while (p >= 0 && a[static_cast<std::size_t>(p)] == n - k + p) --p;
        if (p < 0) break;
        ++a[static_cast<std::size_t>(p)];
        for (int q = p + 1; q < k; ++q)
            a[static_cast<std::size_t>(q)] = static_cast<std::uint8_t>(a[static_cast<std::size_t>(q - 1)] + 1);
    }
    return v;
}

// A run of the engine as a run starts: markers, the per-line test's
// snapshot, the hit-ratio test over `huzasok` when given, the enumerator's
// input. The stored lines; in `teljesultA` the conditions the run met.
inline std::vector<Sor> Futtatas(FeltetelekKornyezet& k, const DrawsState* huzasok = nullptr,
                                 std::uint64_t* teljesultA = nullptr)
{
    SzamJelzoBeallitas(k.j, k.l, k.g, k.f, k.mod);
    SorFeltetelTeszt t;
    t.Elokeszites(k.f, k.j, k.l, k.g, k.mod, false);
    TalalatiAranyTeszt ta;
    if (huzasok)
        ta.Elokeszites(k.f.TalalatiAranyFeltetel, *huzasok, k.g, k.l.KijeloltSzamok, k.l.KijeloltFoSzamDb,
                       k.l.VariacioMeret, k.l.VariacioFoMeret);
    FeltetelSzuro sz{&t, huzasok ? &ta : nullptr};
    BontasBemenetKornyezet bk;
    bk.VanSorFeltetel = t.VanFeltetel;
    if (huzasok)
        bk.AdatbazisBetoltve = huzasok->AdatbazisBetoltve;
    const BontasBemenet b = BontasBemenetKeszites(k.l, k.f, k.o, k.g, bk);
    VariationStore tar;
    BontasAllapot all;
    BontasVezerles vez;
    TarolasKornyezet env;
    env.JovahagyasVariacio = false;
    const BontasEredmeny er = BontasFuttatas(tar, b, all, vez, env, sz);
    EXPECT_EQ(er.hiba, BontasHiba::Nincs);
    if (teljesultA) {
        sz.TeljesultBeirasa(all);
        *teljesultA = all.TeljesultFeltetelekA;
    }
    std::vector<Sor> v;
    for (std::int32_t r = 0; r < tar.BontSzelvszam; ++r) v.emplace_back(tar.sor(r), tar.sor(r) + b.VariacioMeret);
    return v;
}

}  // namespace kvx::teszt
