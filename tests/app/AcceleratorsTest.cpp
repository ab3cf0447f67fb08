#include <gtest/gtest.h>

#include "app/sdl/Accelerators.h"
#include "app/CommandIds.h"

using namespace vantrel;

TEST(Accelerators, MatchOnlyTheirOwnModifiers)
{
    EXPECT_EQ(translateAccelerator(SDLK_q, KMOD_LCTRL), exitCommand);
    EXPECT_EQ(translateAccelerator(SDLK_q, KMOD_RCTRL | KMOD_NUM), exitCommand);
    EXPECT_EQ(translateAccelerator(SDLK_q, KMOD_LCTRL | KMOD_LSHIFT), 0);
    EXPECT_EQ(translateAccelerator(SDLK_q, KMOD_NONE), 0);
    EXPECT_EQ(translateAccelerator(SDLK_RETURN, KMOD_LALT), toggleDisplayCommand);
    EXPECT_EQ(translateAccelerator(SDLK_KP_ENTER, KMOD_RALT | KMOD_CAPS), toggleDisplayCommand);
    EXPECT_EQ(translateAccelerator(SDLK_RETURN, KMOD_LALT | KMOD_LCTRL), 0);
    EXPECT_EQ(translateAccelerator(SDLK_RETURN, KMOD_NONE), 0);
}

TEST(Accelerators, AltLettersNameMenuPopups)
{
    EXPECT_EQ(menuMnemonicKey(SDLK_f, KMOD_LALT), U'F');
    EXPECT_EQ(menuMnemonicKey(SDLK_v, KMOD_RALT), U'V');
    EXPECT_EQ(menuMnemonicKey(SDLK_v, KMOD_NONE), 0u);
    EXPECT_EQ(menuMnemonicKey(SDLK_v, KMOD_LALT | KMOD_LSHIFT), 0u);
    EXPECT_EQ(menuMnemonicKey(SDLK_1, KMOD_LALT), 0u);
}
