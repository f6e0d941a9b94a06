#pragma once

#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace apptest {

// An empty folder of its own for the running test, standing in for the user's home.
inline std::filesystem::path FreshTestFolder(const std::string& prefix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path p = std::filesystem::temp_directory_path() /
                              (prefix + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p;
}

// The program folder is the source tree's assets; the data folder lies below `base`.
inline HeadlessSetup ProgramSetup(const std::filesystem::path& base) {
    HeadlessSetup setup;
    setup.programFolder = std::filesystem::path(CORVEX_ASSETS_DIR).u16string() + u"/";
    setup.userDataBase = base.u16string() + u"/";
    return setup;
}

// Reader threads hand reports over through the queue: pump until the condition holds.
template <class F> bool PumpUntil(HeadlessPlatform& platform, F done) {
    for (int i = 0; i < 400 && !done(); ++i) {
        platform.Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
}

} // namespace apptest
