#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <thread>

#include "base/FileTesto.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// Every byte value, and line ends of both kinds, repeated up to n bytes.
std::string Byte(size_t n) {
    std::string s;
    s.reserve(n);
    for (size_t i = 0; s.size() < n; ++i) s += i % 97 == 0 ? std::string("\r\n") : std::string(1, static_cast<char>(i * 31));
    s.resize(n);
    return s;
}

}  // namespace

// The whole file, byte for byte, whatever its size: empty, small, and larger than the blocks
// and the large pages the reading uses.
TEST(LeggiFileIntero, OgniByteDelFile) {
    CartellaTemp dir;
    for (size_t n : {size_t{0}, size_t{1}, size_t{5000}, (size_t{1} << 16) + 3, (size_t{5} << 20) + 17}) {
        SCOPED_TRACE(n);
        const std::string atteso = Byte(n);
        ScriviTutto(dir / "f.bin", atteso);
        const auto letto = LeggiFileIntero(dir / "f.bin");
        ASSERT_TRUE(letto.has_value());
        EXPECT_EQ(letto->size(), n);
        EXPECT_TRUE(*letto == atteso);
    }
}

// What cannot be read as a file gives no value: a missing file, a folder.
TEST(LeggiFileIntero, NienteDaLeggere) {
    CartellaTemp dir;
    EXPECT_FALSE(LeggiFileIntero(dir / "assente.QVR").has_value());
    EXPECT_FALSE(LeggiFileIntero(dir.Percorso()).has_value());
}

// A file whose size is not known beforehand (a pipe) is read to its end all the same.
TEST(LeggiFileIntero, DimensioneIgnota) {
    CartellaTemp dir;
    const std::string tubo = dir / "tubo";
    ASSERT_EQ(::mkfifo(tubo.c_str(), 0600), 0);
    const std::string atteso = Byte(300000);
    std::thread scrittore([&] {
        std::ofstream f(tubo, std::ios::binary);
        f.write(atteso.data(), static_cast<std::streamsize>(atteso.size()));
    });
    const auto letto = LeggiFileIntero(tubo);
    scrittore.join();
    ASSERT_TRUE(letto.has_value());
    EXPECT_EQ(letto->size(), atteso.size());
    EXPECT_TRUE(*letto == atteso);
}
