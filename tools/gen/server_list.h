// The game's server list as the program carries it: six groups of servers,
// also shown on the server-selection preview.
#pragma once

#include <string>
#include <vector>

#include "byte_writer.h"

namespace gen {

struct ServerGroup {
  std::string number;  // two digits
  std::string name;    // UTF-8, two or three Chinese characters
  std::string suffix;  // parenthesised, or empty; not part of the server names
  int trailing;
  int servers;
  std::string network;  // address without its last part
  int firstHost;
};

const std::vector<ServerGroup>& serverGroups();

// A server's name: the group name and its position, or the bare name in group 95.
std::string serverName(const ServerGroup& g, int position);

// The lines of the list, UTF-8.
std::vector<std::string> serverListLines();

// The file: GBK, CR LF between lines and none after the last. Throws
// std::runtime_error when it would not be `expectedSize` bytes.
Bytes serverListFile(std::size_t expectedSize);

}  // namespace gen
