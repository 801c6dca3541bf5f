#pragma once
// Which address the connection probe asks before an internet action: the
// host the action is about to fetch from (or open), never a fixed one. So
// the operator's update depends only on the operator's server, and an
// unreachable maker's site is told apart from a machine that is offline.
#include <string>

#include "app/maker_info.h"
#include "app/online_access.h"

namespace kvx {

struct ProbaCel {
    // The address to probe; empty when the address is no web address (the
    // fetch or the opening refuses it then, nothing is probed).
    std::string Cim;
    // The address lies on the maker's site: its probe address is asked, and
    // a silent one means the site cannot be reached.
    bool Gyarto = false;
};

// The probe for an address that is about to be fetched or opened: the
// maker's probe address for the maker's host, otherwise the root of the
// address's own host. Hosts compare without regard to case.
ProbaCel CimProbaja(const std::string& cim, const GyartoCimek& gyarto);

// The address internet action `kind` fetches or opens for game g (year ev
// for the operator's yearly result file); empty for the mail link, which
// fetches nothing.
std::string MuveletCime(int kind, const TOnlineEleresek& t, int g, int ev, const GyartoCimek& gyarto);

}  // namespace kvx
