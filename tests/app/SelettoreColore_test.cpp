// The picker's cell layout and hit test.
#include "app/SelettoreColore.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vilmor;

TEST(SelettoreColore, DisposizioneDelleCelle) {
    const auto& t = CelleSelettore();
    EXPECT_EQ(std::tie(t[0].Left, t[0].Top, t[0].Right, t[0].Bottom), std::make_tuple(5, 5, 25, 25));
    EXPECT_EQ(t[1].Left, 30);
    EXPECT_EQ(std::tie(t[24].Left, t[24].Top), std::make_tuple(5, 30));
    EXPECT_EQ(t[120].Top, t[119].Bottom + 15);
    EXPECT_EQ(t[240].Top, t[239].Bottom + 15);
    EXPECT_EQ(t[249].Left, t[248].Right + 80);
    EXPECT_EQ(CellaSotto(25, 25), 0);  // edges belong to the cell
    EXPECT_EQ(CellaSotto(27, 15), -1);
    EXPECT_EQ(CellaSotto(30, 5), 1);
    const Cornice c = CorniceCella(0);
    EXPECT_EQ(std::tie(c.X1, c.Y1, c.X2, c.Y2), std::make_tuple(3, 3, 28, 28));
}
