#include "platform/qt/QtApplication.h"

std::unique_ptr<QApplication> MakeQtApplication(int& argc, char** argv) {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return app;
}
