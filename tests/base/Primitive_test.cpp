#include "base/Primitive.h"

#include <gtest/gtest.h>

#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

TEST(Primitive, IlSelettoreSceglieIlSink) {
    struct {
        int uscita;
        size_t video, dxf;
    } casi[] = {{0, 1, 0}, {1, 0, 1}, {2, 0, 1}, {-1, 0, 0}};
    for (const auto& c : casi) {
        PiattaformaProva p;
        DisLinea(1, 2, 3, 4, 5, 1, c.uscita);
        DisCerchio(10, 20, 5, 3, 0, c.uscita);
        DisTesto(0, 0, "P1", 0, 14, 1, 0, 90, c.uscita);
        EXPECT_EQ(p.SinkVideo.Entita_.size(), 3 * c.video) << c.uscita;
        EXPECT_EQ(p.SinkDxf.Entita_.size(), 3 * c.dxf) << c.uscita;
    }
    PiattaformaProva p;
    DisLinea(1, 2, 3, 4, 5, 1, 0);
    ASSERT_EQ(p.SinkVideo.Entita_.size(), 1u);
    EXPECT_EQ(p.SinkVideo.Entita_[0].Tipo, "Linea");
    EXPECT_EQ(p.SinkVideo.Entita_[0].Num, (std::vector<double>{1, 2, 3, 4, 5, 1}));
    DisTesto(7, 8, "1\xC3\x98" "10/20", 2, 19, 1, 2, 45, 1);
    ASSERT_EQ(p.SinkDxf.Entita_.size(), 1u);
    EXPECT_EQ(p.SinkDxf.Entita_[0].Testo, "1\xC3\x98" "10/20");
    EXPECT_EQ(p.SinkDxf.Entita_[0].Num, (std::vector<double>{7, 8, 2, 19, 1, 2, 45}));
}
