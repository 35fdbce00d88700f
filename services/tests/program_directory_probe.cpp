// Reports programDirectory() of wherever this program file was copied to: the
// text goes into the file named by the one argument.
#include <cstdio>
#include <string>

#include "services/file_services.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string directory = orv::programDirectory();
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) return 3;
  const bool complete = std::fwrite(directory.data(), 1, directory.size(), out) == directory.size();
  return std::fclose(out) == 0 && complete ? 0 : 4;
}
