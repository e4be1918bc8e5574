#include <gtest/gtest.h>

#include <QApplication>

#include "temp_dir.h"

// Widgets need a QApplication; without a display the offscreen platform serves.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The player's configuration (the speech switch) is the tests' own, never the real one.
    lexo::test::TempDir config;
    qputenv("XDG_CONFIG_HOME", config.Path().c_str());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
