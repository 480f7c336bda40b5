#include "widgets/clsNumber.h"
#include "draw/Drawing.h"
#include "support/AppFixture.h"

namespace {

class NumberTest : public AppFixture {
protected:
    static QImage Shows(clsNumber& clock) {
        Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
        clock.Draw();
        return Drawing().SpeedBuffer.copy(0, 0, 200, 60);
    }
};

TEST_F(NumberTest, ReadsZeroUntilGivenATime) {
    clsNumber fresh;
    fresh.SetLocation(10, 10);
    clsNumber set;
    set.SetLocation(10, 10);
    set.SetText("00:00:00");
    const QImage zero = Shows(set);
    EXPECT_EQ(Shows(fresh), zero);
    set.SetText("01:02:03");
    EXPECT_NE(Shows(set), zero);
}

} // namespace
