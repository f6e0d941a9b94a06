#include "device/hid/VirtualHidServer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

#include "HidVirtualTestSupport.h"

namespace {

struct Run {
    int code = -1;
    std::string out;
};

Run Corvexctl(const std::string& args) {
    Run r;
    FILE* pipe = popen((std::string(CORVEXCTL_PATH) + " " + args + " 2>&1").c_str(), "r");
    if (!pipe)
        return r;
    char buf[4096];
    while (size_t n = fread(buf, 1, sizeof buf, pipe))
        r.out.append(buf, n);
    int status = pclose(pipe);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(HidCorvexctlDevices, ListsTheInterfacesOfEachKindOnTheVirtualBus) {
    FakeDeviceModel model;
    model.Plug(FakeDeviceModel::Make(1, 0x026E, 0x000A, 0));
    model.Plug(FakeDeviceModel::Make(2, 0x026E, 0x000A, 32)); // status despite its page
    model.Plug(FakeDeviceModel::Make(3, 0x026E, 0x0001, 4));
    auto foreign = FakeDeviceModel::Make(4, 0x026F, 0x000A, 0);
    foreign.info.vendor = 0x1234;
    model.Plug(foreign);
    model.Plug(FakeDeviceModel::Make(5, 0x026D, 0xFF00, 32));
    VirtualHidServer server(model);
    ASSERT_TRUE(server.Start(0, nullptr));

    auto run =
        Corvexctl("--virtual-device 127.0.0.1:" + std::to_string(server.Port()) + " devices");
    ASSERT_EQ(run.code, 0) << run.out;
    const std::string expected = "Wired (0x04F3:0x026E)\n"
                                 "  0  virtual:1  usage page 0x000A  input 0  command\n"
                                 "  1  virtual:2  usage page 0x000A  input 32  status\n"
                                 "  2  virtual:3  usage page 0x0001  input 4  ignored\n"
                                 "Receiver (0x04F3:0x026F)\n"
                                 "  no interfaces\n"
                                 "Ble (0x04F3:0x026D)\n"
                                 "  4  virtual:5  usage page 0xFF00  input 32  status\n";
    EXPECT_EQ(run.out, expected);
}

TEST(HidCorvexctlDevices, OptionMayFollowTheVerb) {
    FakeDeviceModel model;
    VirtualHidServer server(model);
    ASSERT_TRUE(server.Start(0, nullptr));
    auto run = Corvexctl("devices --virtual-device localhost:" + std::to_string(server.Port()));
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("Receiver (0x04F3:0x026F)\n  no interfaces"), std::string::npos)
        << run.out;
}

TEST(HidCorvexctlDevices, ABusThatCannotBeOpenedIsExit1WithTheReason) {
    uint16_t port = 0;
    int fd = VirtualHid::ListenLoopback(0, &port, nullptr);
    VirtualHid::CloseFd(fd);
    struct Case {
        std::string address;
        const char* reason;
    };
    const Case cases[] = {{"10.0.0.1:5000", "127.0.0.1:PORT or localhost:PORT"},
                          {"127.0.0.1:" + std::to_string(port), "cannot connect"}};
    for (const auto& c : cases) {
        auto run = Corvexctl("--virtual-device " + c.address + " devices");
        EXPECT_EQ(run.code, 1) << c.address;
        EXPECT_NE(run.out.find("cannot open the device bus"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find(c.reason), std::string::npos) << run.out;
    }
}

TEST(HidCorvexctlDevices, HidrawByDefault) {
    auto run = Corvexctl("devices");
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("Wired (0x04F3:0x026E)"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("virtual:"), std::string::npos) << run.out;
}

} // namespace
