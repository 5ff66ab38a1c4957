// SPDX-License-Identifier: MIT
// The platforms Qt is given to try: what was meant, then offscreen, and
// which of them counts as the window's.
#include <gtest/gtest.h>

#include "app/display_check.h"

TEST(DisplayCheckTest, TheEnvironmentsWindowSystemsInQtsOrder)
{
    EXPECT_EQ(DefaultPlatforms(true, false, "", ""), "xcb");
    EXPECT_EQ(DefaultPlatforms(false, true, "", ""), "wayland");
    EXPECT_EQ(DefaultPlatforms(true, true, "x11", "KDE:"), "xcb;wayland");
    EXPECT_EQ(DefaultPlatforms(true, true, "wayland", "KDE:plasma"), "wayland;xcb");
    // Qt keeps to X11 on GNOME whatever the session.
    EXPECT_EQ(DefaultPlatforms(true, true, "wayland", "ubuntu:GNOME:"), "xcb;wayland");
}

TEST(DisplayCheckTest, OffscreenComesLastAndOnlyOnce)
{
    EXPECT_EQ(WithFallback("xcb"), "xcb;offscreen");
    EXPECT_EQ(WithFallback("wayland;xcb"), "wayland;xcb;offscreen");
    EXPECT_EQ(WithFallback("eglfs:width=800"), "eglfs:width=800;offscreen");
    EXPECT_EQ(WithFallback("offscreen"), "offscreen");
    EXPECT_EQ(WithFallback("minimal;offscreen:fonts=x"), "minimal;offscreen:fonts=x");
}

TEST(DisplayCheckTest, OnlyAPlatformThatWasMeantOpensTheWindow)
{
    EXPECT_TRUE(IsMeant("xcb", "xcb"));
    EXPECT_TRUE(IsMeant("wayland;xcb", "xcb"));
    EXPECT_TRUE(IsMeant("eglfs:width=800", "eglfs"));
    EXPECT_TRUE(IsMeant("offscreen", "offscreen"));
    EXPECT_FALSE(IsMeant("xcb", "offscreen"));
    EXPECT_FALSE(IsMeant("bogus", "offscreen"));
    EXPECT_FALSE(IsMeant("xcbx", "xcb"));
}
