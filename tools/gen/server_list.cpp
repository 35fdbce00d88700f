#include "server_list.h"

#include <iconv.h>

#include <memory>
#include <stdexcept>

namespace gen {

const std::vector<ServerGroup>& serverGroups() {
  static const std::vector<ServerGroup> groups{
      {"01", "星辰阁", "(BGP)", 5, 3, "192.0.2.", 101},
      {"02", "烈焰谷", "", 4, 3, "203.0.113.", 121},
      {"03", "寒冰峡", "", 2, 3, "198.51.100.", 131},
      {"04", "雷霆堡", "", 1, 4, "198.51.100.", 141},
      {"05", "翡翠林", "(新区)", 3, 4, "203.0.113.", 51},
      {"95", "体验区", "", 95, 1, "198.51.100.", 195},
  };
  return groups;
}

std::string serverName(const ServerGroup& g, int position) {
  return g.number == "95" ? g.name : g.name + std::to_string(position);
}

std::vector<std::string> serverListLines() {
  std::vector<std::string> lines;
  for (const ServerGroup& g : serverGroups()) {
    lines.push_back(g.number + "[" + g.name + g.suffix + "]" + std::to_string(g.trailing));
    for (int i = 0; i < g.servers; ++i)
      lines.push_back(serverName(g, i + 1) + "*" + g.network + std::to_string(g.firstHost + i));
  }
  return lines;
}

namespace {

std::string toGbk(const std::string& utf8) {
  std::unique_ptr<void, int (*)(iconv_t)> cd(iconv_open("GBK", "UTF-8"), iconv_close);
  if (cd.get() == reinterpret_cast<iconv_t>(-1))
    throw std::runtime_error("server_ini: no GBK converter");
  std::string in = utf8, out(utf8.size() * 2 + 4, '\0');
  char* src = in.data();
  char* dst = out.data();
  std::size_t srcLeft = in.size(), dstLeft = out.size();
  if (iconv(cd.get(), &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1))
    throw std::runtime_error("server_ini: a name has no GBK form");
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace

Bytes serverListFile(std::size_t expectedSize) {
  std::string text;
  for (const std::string& line : serverListLines()) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  std::string gbk = toGbk(text);
  if (gbk.size() != expectedSize)
    throw std::runtime_error("server_ini: would be " + std::to_string(gbk.size()) +
                             " bytes, the catalogue says " + std::to_string(expectedSize));
  return Bytes(gbk.begin(), gbk.end());
}

}  // namespace gen
