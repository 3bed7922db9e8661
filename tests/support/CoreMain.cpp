// Core tests need fonts and images but no windows: a QGuiApplication on the
// offscreen platform.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The build tree's modules (GStreamer, TagLib, printing).
    if (qEnvironmentVariableIsEmpty("VELTO_MODULE_DIR"))
        qputenv("VELTO_MODULE_DIR", VELTO_MODULE_DIR);
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
