#include "assets/tests/host/server_list_form.h"

#include <array>
#include <cctype>
#include <optional>

namespace orv::test {
namespace {

// One character of the text: an ASCII byte or a two-byte GB2312 character.
struct Char {
  std::uint8_t lead, trail;  // trail 0 for ASCII
  bool ascii() const { return trail == 0; }
  bool is(char c) const { return ascii() && lead == static_cast<std::uint8_t>(c); }
  bool digit() const { return ascii() && lead >= '0' && lead <= '9'; }
  bool capital() const { return ascii() && lead >= 'A' && lead <= 'Z'; }
  // GB2312 places its Chinese characters in rows B0 to F7.
  bool chinese() const { return !ascii() && lead >= 0xB0 && lead <= 0xF7; }
};
using Line = std::vector<Char>;

std::string bytesOf(const Line& l, std::size_t from, std::size_t to) {
  std::string s;
  for (std::size_t i = from; i < to; ++i) {
    s += static_cast<char>(l[i].lead);
    if (!l[i].ascii()) s += static_cast<char>(l[i].trail);
  }
  return s;
}

struct Group {
  std::string number, name, suffix;
  bool suffixLatin = false, suffixChinese = false;
  std::string trailing;
  struct Server {
    std::string name;
    int position;  // -1 without a digit
    std::array<int, 4> address;
  };
  std::vector<Server> servers;
};

// number "[" name [ "(" suffix ")" ] "]" trailing
std::optional<Group> parseGroupLine(const Line& l) {
  std::size_t i = 0;
  if (l.size() < 6 || !l[0].digit() || !l[1].digit() || !l[2].is('[')) return std::nullopt;
  Group g;
  g.number = bytesOf(l, 0, 2);
  i = 3;
  std::size_t nameStart = i;
  while (i < l.size() && l[i].chinese()) ++i;
  std::size_t nameChars = i - nameStart;
  if (nameChars < 2 || nameChars > 3) return std::nullopt;
  g.name = bytesOf(l, nameStart, i);
  if (i < l.size() && l[i].is('(')) {
    std::size_t s = ++i;
    while (i < l.size() && !l[i].is(')')) ++i;
    if (i == l.size()) return std::nullopt;
    g.suffix = bytesOf(l, s, i);
    std::size_t n = i - s;
    bool latin = n == 3, chinese = n == 2;
    for (std::size_t k = s; k < i; ++k)
      latin = latin && l[k].capital(), chinese = chinese && l[k].chinese();
    g.suffixLatin = latin;
    g.suffixChinese = chinese;
    if (!latin && !chinese) return std::nullopt;
    ++i;
  }
  if (i >= l.size() || !l[i].is(']')) return std::nullopt;
  std::size_t t = ++i;
  while (i < l.size() && l[i].digit()) ++i;
  std::size_t digits = i - t;
  if (i != l.size() || digits < 1 || digits > 2 || l[t].is('0')) return std::nullopt;
  g.trailing = bytesOf(l, t, i);
  return g;
}

// name [ digit ] "*" a.b.c.d
std::optional<Group::Server> parseServerLine(const Line& l) {
  std::size_t i = 0;
  while (i < l.size() && l[i].chinese()) ++i;
  if (i == 0) return std::nullopt;
  Group::Server s{bytesOf(l, 0, i), -1, {}};
  if (i < l.size() && l[i].digit()) s.position = l[i++].lead - '0';
  if (i >= l.size() || !l[i].is('*')) return std::nullopt;
  ++i;
  for (int part = 0; part < 4; ++part) {
    std::size_t start = i;
    int value = 0;
    while (i < l.size() && l[i].digit()) value = value * 10 + (l[i++].lead - '0');
    std::size_t digits = i - start;
    if (digits < 1 || digits > 3 || value > 255 || (digits > 1 && l[start].is('0')))
      return std::nullopt;
    s.address[part] = value;
    if (part < 3) {
      if (i >= l.size() || !l[i].is('.')) return std::nullopt;
      ++i;
    }
  }
  if (i != l.size()) return std::nullopt;
  return s;
}

struct GroupForm {
  const char* number;
  std::size_t servers;
  const char* trailing;
  enum { none, latin, chinese } suffix;
};
const GroupForm kGroups[] = {
    {"01", 3, "5", GroupForm::latin},   {"02", 3, "4", GroupForm::none},
    {"03", 3, "2", GroupForm::none},    {"04", 4, "1", GroupForm::none},
    {"05", 4, "3", GroupForm::chinese}, {"95", 1, "95", GroupForm::none},
};

}  // namespace

std::vector<std::string> serverListProblems(const std::vector<std::uint8_t>& f) {
  std::vector<std::string> problems;
  auto problem = [&](const std::string& p) { problems.push_back(p); };
  if (f.empty()) return {"the list is empty"};
  if ((f.size() >= 3 && f[0] == 0xEF && f[1] == 0xBB && f[2] == 0xBF) ||
      (f.size() >= 2 && ((f[0] == 0xFF && f[1] == 0xFE) || (f[0] == 0xFE && f[1] == 0xFF))))
    problem("starts with a byte-order mark");

  // Characters and lines.
  std::vector<Line> lines(1);
  for (std::size_t i = 0; i < f.size(); ++i) {
    const std::uint8_t b = f[i];
    if (b == 0) {
      problem("NUL byte at " + std::to_string(i));
    } else if (b == '\r' || b == '\n') {
      if (b == '\r' && i + 1 < f.size() && f[i + 1] == '\n') {
        lines.emplace_back();
        ++i;
      } else {
        problem("a line break other than CR LF at " + std::to_string(i));
      }
    } else if (b == ' ' || b == '\t') {
      problem("space or tab at " + std::to_string(i));
    } else if (b < 0x80) {
      lines.back().push_back({b, 0});
    } else if (b >= 0xA1 && b <= 0xF7 && i + 1 < f.size() && f[i + 1] >= 0xA1 && f[i + 1] <= 0xFE) {
      lines.back().push_back({b, f[i + 1]});
      ++i;
    } else {
      problem("not a GB2312 character at " + std::to_string(i));
    }
  }
  if (lines.size() != 24) problem(std::to_string(lines.size()) + " lines instead of 24");
  if (!std::isdigit(f.back())) problem("does not end with the last digit of an address");

  // Groups, each a group line and its server lines.
  std::vector<Group> groups;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const Line& l = lines[n];
    const std::string where = "line " + std::to_string(n + 1);
    if (l.empty()) {
      problem(where + " is empty");
    } else if (auto g = parseGroupLine(l)) {
      groups.push_back(*g);
    } else if (auto s = parseServerLine(l)) {
      if (groups.empty())
        problem(where + ": a server before the first group");
      else
        groups.back().servers.push_back(*s);
    } else {
      problem(where + " is neither a group line nor a server line");
    }
  }
  if (groups.size() != 6) {
    problem(std::to_string(groups.size()) + " groups instead of 6");
    return problems;
  }
  for (std::size_t k = 0; k < 6; ++k) {
    const Group& g = groups[k];
    const GroupForm& form = kGroups[k];
    const std::string where = "group " + g.number;
    if (g.number != form.number)
      problem("group " + std::to_string(k + 1) + " has number " + g.number);
    if (g.servers.size() != form.servers)
      problem(where + " has " + std::to_string(g.servers.size()) + " servers");
    if (g.trailing != form.trailing) problem(where + " has trailing number " + g.trailing);
    if (g.trailing == std::to_string(g.servers.size()))
      problem(where + ": trailing number counts the servers");
    const bool suffixOk = form.suffix == GroupForm::latin     ? g.suffixLatin
                          : form.suffix == GroupForm::chinese ? g.suffixChinese
                                                              : g.suffix.empty();
    if (!suffixOk) problem(where + " has the wrong suffix");
    for (std::size_t i = 0; i < g.servers.size(); ++i) {
      const Group::Server& s = g.servers[i];
      const std::string at = where + ", server " + std::to_string(i + 1);
      if (s.name != g.name) problem(at + ": name is not the group name without its suffix");
      const int expected = g.number == "95" ? -1 : static_cast<int>(i + 1);
      if (s.position != expected) problem(at + ": wrong position digit");
      if (i > 0) {
        const auto& prev = g.servers[i - 1].address;
        if (prev[0] != s.address[0] || prev[1] != s.address[1] || prev[2] != s.address[2] ||
            s.address[3] != prev[3] + 1)
          problem(at + ": address does not follow the one before");
      }
    }
  }
  return problems;
}

}  // namespace orv::test
