// The carried server list against its form, and the form's checker against
// lists that depart from it.
#include <gtest/gtest.h>

#include <iconv.h>

#include <functional>
#include <memory>
#include <string>

#include "assets/tests/host/server_list_form.h"
#include "assets/tests/test_files.h"

namespace orv::test {
namespace {

FileBytes carried() {
  return readFile(std::string(ORV_GEN_DIR) + "/server_ini.ini");
}

std::vector<std::string> splitLines(const FileBytes& b) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n') {
      lines.emplace_back();
      ++i;
    } else {
      lines.back() += static_cast<char>(b[i]);
    }
  }
  return lines;
}

FileBytes joinLines(const std::vector<std::string>& lines, const std::string& separator = "\r\n") {
  std::string s;
  for (std::size_t i = 0; i < lines.size(); ++i) s += (i ? separator : "") + lines[i];
  return FileBytes(s.begin(), s.end());
}

TEST(ServerList, CarriedListHasTheFormAndItsSize) {
  const FileBytes list = carried();
  EXPECT_EQ(list.size(), 499u);
  const std::vector<std::string> problems = serverListProblems(list);
  for (const std::string& p : problems) ADD_FAILURE() << p;
  EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 23);
  EXPECT_EQ(std::count(list.begin(), list.end(), '\r'), 23);
}

TEST(ServerList, DecodesAsGbkWithoutAnInvalidSequence) {
  FileBytes list = carried();
  std::unique_ptr<void, int (*)(iconv_t)> cd(iconv_open("UTF-8", "GBK"), iconv_close);
  ASSERT_NE(cd.get(), reinterpret_cast<iconv_t>(-1));
  std::string out(list.size() * 3, '\0');
  char* in = reinterpret_cast<char*>(list.data());
  char* to = out.data();
  std::size_t inLeft = list.size(), outLeft = out.size();
  EXPECT_NE(iconv(cd.get(), &in, &inLeft, &to, &outLeft), static_cast<std::size_t>(-1));
  EXPECT_EQ(inLeft, 0u);
}

TEST(ServerList, AddressesComeFromTheDocumentationRanges) {
  int servers = 0;
  for (const std::string& line : splitLines(carried())) {
    const std::size_t star = line.find('*');
    if (star == std::string::npos) continue;
    ++servers;
    const std::string address = line.substr(star + 1);
    const bool documentation = address.rfind("192.0.2.", 0) == 0 ||
                               address.rfind("198.51.100.", 0) == 0 ||
                               address.rfind("203.0.113.", 0) == 0;
    EXPECT_TRUE(documentation) << address;
  }
  EXPECT_EQ(servers, 18);
}

// The last part of the address on a server line, moved by `by`.
std::string shiftedAddress(const std::string& line, int by) {
  const std::size_t dot = line.rfind('.');
  return line.substr(0, dot + 1) + std::to_string(std::stoi(line.substr(dot + 1)) + by);
}

TEST(ServerList, FormCheckRejectsEveryDeparture) {
  using Lines = std::vector<std::string>;
  struct Departure {
    const char* what;
    std::function<FileBytes(Lines)> make;
  };
  const Departure departures[] = {
      {"line break after the last line",
       [](Lines l) {
         FileBytes b = joinLines(l);
         b.push_back('\r'), b.push_back('\n');
         return b;
       }},
      {"LF line breaks", [](Lines l) { return joinLines(l, "\n"); }},
      {"byte-order mark",
       [](Lines l) {
         l[0] = "\xEF\xBB\xBF" + l[0];
         return joinLines(l);
       }},
      {"NUL byte",
       [](Lines l) {
         l[0].insert(3, 1, '\0');
         return joinLines(l);
       }},
      {"position digit on the group 95 server",
       [](Lines l) {
         l.back().insert(l.back().find('*'), "1");
         return joinLines(l);
       }},
      {"suffix kept in a server name",
       [](Lines l) {
         const std::string suffix =
             l[0].substr(l[0].find('('), l[0].find(')') - l[0].find('(') + 1);
         l[1].insert(l[1].find('*') - 1, suffix);
         return joinLines(l);
       }},
      {"groups out of order",
       [](Lines l) {
         Lines swapped(l.begin(), l.begin() + 4);
         swapped.insert(swapped.end(), l.begin() + 8, l.begin() + 12);
         swapped.insert(swapped.end(), l.begin() + 4, l.begin() + 8);
         swapped.insert(swapped.end(), l.begin() + 12, l.end());
         return joinLines(swapped);
       }},
      {"gap between addresses",
       [](Lines l) {
         l[2] = shiftedAddress(l[2], 1);
         return joinLines(l);
       }},
      {"space in a line",
       [](Lines l) {
         l[3].insert(0, " ");
         return joinLines(l);
       }},
      {"tab in a line",
       [](Lines l) {
         l[5].insert(2, "\t");
         return joinLines(l);
       }},
      {"zero-filled trailing number",
       [](Lines l) {
         l[0].insert(l[0].find(']') + 1, "0");
         return joinLines(l);
       }},
      {"a server missing",
       [](Lines l) {
         l.erase(l.begin() + 3);
         return joinLines(l);
       }},
      {"a stray byte",
       [](Lines l) {
         l[1].insert(0, "\x80");
         return joinLines(l);
       }},
      {"a port after the address",
       [](Lines l) {
         l.back() += ":80";
         return joinLines(l);
       }},
      {"a blank line",
       [](Lines l) {
         l.insert(l.begin() + 4, "");
         return joinLines(l);
       }},
      {"a host name for the address",
       [](Lines l) {
         l[1] = l[1].substr(0, l[1].find('*') + 1) + "game.example";
         return joinLines(l);
       }},
  };
  const Lines lines = splitLines(carried());
  ASSERT_EQ(lines.size(), 24u);
  ASSERT_TRUE(serverListProblems(joinLines(lines)).empty());
  for (const Departure& d : departures)
    EXPECT_FALSE(serverListProblems(d.make(lines)).empty()) << d.what;
}

}  // namespace
}  // namespace orv::test
