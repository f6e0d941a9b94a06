#include <gtest/gtest.h>

#include "QtChildModes.h"
#include "platform/qt/QtApplication.h"

// The tests share one application on the offscreen platform unless told otherwise; a few
// tests start this program again in a child mode.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (const int code = RunChildMode(argc, argv); code >= 0) {
        return code;
    }
    const auto app = MakeQtApplication(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
