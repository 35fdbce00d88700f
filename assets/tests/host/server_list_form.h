// Checks a server list against the form the game expects of SERVER.INI:
// GBK text in lines joined by CR LF, six groups of servers with fixed
// numbers, counts and trailing numbers, names derived from the group names
// and consecutive addresses. Written from the form alone, not from the
// generator, so that the two can catch each other's faults.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orv::test {

// Every way in which `file` departs from the form; empty when it has it.
std::vector<std::string> serverListProblems(const std::vector<std::uint8_t>& file);

}  // namespace orv::test
