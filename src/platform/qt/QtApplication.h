#pragma once

#include <QApplication>
#include <memory>

// The application object the Qt backend needs, made with Qt's own high-DPI scaling off (the
// program scales itself) and kept running while no window is shown (the tray state). Create it
// before any other Qt object; argc must outlive it.
std::unique_ptr<QApplication> MakeQtApplication(int& argc, char** argv);
