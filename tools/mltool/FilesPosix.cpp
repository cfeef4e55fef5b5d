#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "tools/mltool/Files.h"
#include "tools/mltool/ToolError.h"

namespace mltool {

std::optional<std::string> ReadWholeFile(std::string_view path) {
  std::ifstream in{std::string(path), std::ios::binary};
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

void WriteWholeFile(std::string_view path, std::string_view bytes) {
  const std::string target(path);
  const std::string temporary = target + ".mltool-new";
  {
    std::ofstream out{temporary, std::ios::binary | std::ios::trunc};
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::remove(temporary.c_str());
      throw ToolError("cannot write " + temporary);
    }
  }
  if (std::rename(temporary.c_str(), target.c_str()) != 0) {
    const std::string reason = std::strerror(errno);
    std::remove(temporary.c_str());
    throw ToolError("cannot replace " + target + ": " + reason);
  }
}

}  // namespace mltool
