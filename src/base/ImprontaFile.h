// What a file held when the program last read or wrote it, to tell at the next save whether
// another program has written it since.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vilmor {

// The bytes themselves decide: a file written again with the same bytes, or only touched, is
// unchanged; one rewritten in place with its size and time put back is changed.
struct ImprontaFile {
    bool Presente = false;  // the file existed
    uint64_t Dimensione = 0;
    uint64_t Hash = 0;
    bool operator==(const ImprontaFile&) const = default;
};

ImprontaFile ImprontaDi(std::string_view byte);
// The file as it is now (a link followed); no value when it exists but cannot be read.
std::optional<ImprontaFile> ImprontaSuDisco(const std::string& percorso);

}  // namespace vilmor
