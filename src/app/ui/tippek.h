#pragma once
// How long the program's hints take to appear and how long they stay: one
// setting for the whole application. Qt's own timing shows a hint after
// 700 ms and takes a short one away after about 10 s, too soon for the long
// hints of the menus and tickets.
#include <optional>

namespace kvx {

// Hints appear megjelenesMs after the mouse stops over a control and stay
// idotartamMs (until the mouse leaves). Setting it again replaces the
// earlier values.
void TippIdozitesBeallitasa(int megjelenesMs, int idotartamMs);
// The stay time set, if any.
std::optional<int> TippIdotartam();

}  // namespace kvx
