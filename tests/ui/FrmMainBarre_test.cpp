// The icons of the commands.
#include <gtest/gtest.h>

#include <QPainter>

#include "app/BarreComandi.h"
#include "ui/Banco.h"
#include "ui/Icone.h"

using namespace vilmor;
using namespace vilmor::prova;

TEST(FrmMainBarre, IconeDiverseENonVuote) {
    for (int lato : {16, 24}) {
        std::vector<QImage> immagini;
        for (int k : OffsetIcone()) {
            const QImage img = ImmagineIcona(k, lato);
            ASSERT_FALSE(img.isNull()) << k;
            EXPECT_EQ(img.size(), QSize(lato, lato));
            EXPECT_EQ(ImmagineIconaNome(NomeIcona(k, lato == 24), lato == 24), img) << NomeIcona(k, lato == 24);
            // Something is drawn, and not over the whole square.
            int pieni = 0;
            for (int y = 0; y < lato; ++y)
                for (int x = 0; x < lato; ++x) pieni += qAlpha(img.pixel(x, y)) > 0;
            EXPECT_GT(pieni, lato * lato / 10) << k;
            for (size_t j = 0; j < immagini.size(); ++j)
                EXPECT_NE(img, immagini[j]) << k << " and " << OffsetIcone()[j] << " at " << lato;
            immagini.push_back(img);
        }
    }
    EXPECT_TRUE(IconaDaTag(1104).isNull());
    EXPECT_TRUE(IconaDaTag(502).isNull());
    EXPECT_TRUE(IconaDaTag(507).isNull());
    EXPECT_FALSE(IconaDaTag(2126).isNull());

    // The sheet of every image against its reference: a change of a drawing shows here.
    for (int lato : {16, 24}) {
        QImage foglio(12 * (lato + 4), 4 * (lato + 4), QImage::Format_ARGB32);
        foglio.fill(Qt::white);
        QPainter p(&foglio);
        int i = 0;
        for (int k : OffsetIcone()) {
            p.drawImage((i % 12) * (lato + 4) + 2, (i / 12) * (lato + 4) + 2, ImmagineIcona(k, lato));
            ++i;
        }
        p.end();
        const std::string nome = "icone" + std::to_string(lato);
        SalvaPng(foglio, nome);
        EXPECT_LE(QuotaDiversi(foglio, Riferimento(nome), 8), 0.01) << nome;
    }
}
