#include "screens/clsHscore.h"
#include "screens/screenMenu.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"
#include "support/BothWays.h"

namespace {

class RainLayers : public AppFixture {};

// The falling digits drawn from pre-rendered glyphs look exactly as drawn one by one,
// through columns growing, erasing, standing still and starting again.
TEST_F(RainLayers, TitleLooksTheSameBothWays) {
    ExpectSameBothWays(
        [this] {
            TearDown();
            SetUp();
            Menu().init();
        },
        [](const std::function<void()>& keep) {
            for (int i = 0; i < 400; ++i) {
                Tick();
                if (i % 4 == 0) keep();
            }
        });
}

} // namespace
