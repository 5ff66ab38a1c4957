// SPDX-License-Identifier: MIT
// The export tests paint and encode images, which needs a Gui application;
// the offscreen platform serves without a display.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
