#include "platform/random.h"

#include <gtest/gtest.h>

TEST(Zufall, FirstValuesAfterSeedOne)
{
    ZufallSaat(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int v : expected) EXPECT_EQ(Zufall(), v);
}

TEST(Zufall, SeedIsTheWholeState)
{
    ZufallSaat(12345);
    const int a = Zufall(), b = Zufall();
    const uint32_t state = ZufallZustand();
    const int c = Zufall();
    ZufallSaat(12345);
    EXPECT_EQ(Zufall(), a);
    EXPECT_EQ(Zufall(), b);
    EXPECT_EQ(ZufallZustand(), state);
    EXPECT_EQ(Zufall(), c);
    for (int i = 0; i < 1000; ++i) {
        const int v = Zufall();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
    }
}
