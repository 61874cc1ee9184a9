#include "base/ImprontaFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <functional>

#include "base/FileTesto.h"

namespace vilmor {

ImprontaFile ImprontaDi(std::string_view byte) {
    return {true, byte.size(), std::hash<std::string_view>{}(byte)};
}

std::optional<ImprontaFile> ImprontaSuDisco(const std::string& percorso) {
    struct stat st {};
    if (::stat(percorso.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR)) return ImprontaFile{};
    const auto byte = LeggiFileIntero(percorso);
    if (!byte) return std::nullopt;
    return ImprontaDi(*byte);
}

}  // namespace vilmor
