// Driver-service exports against dovari_testdrv.sys, a driver that owns a
// device named after its service. Services live in the Wine prefix, so each
// test uses names of its own and removes them.
#include "dovari_sys.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace dovari_test;

namespace {

std::string DriverPath()
{
    return ProgramFolder() + "\\dovari_testdrv.sys";
}

bool ServiceGone(SC_HANDLE manager, const std::string& name)
{
    // Deletion completes once the last handle closes; allow it a moment.
    for (int i = 0; i < 50; ++i) {
        SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_QUERY_STATUS);
        if (service == nullptr)
            return GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST;
        CloseServiceHandle(service);
        Sleep(100);
    }
    return false;
}

class Services : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager_ = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        ASSERT_NE(manager_, nullptr);
    }

    void TearDown() override
    {
        for (const auto& name : names_)
            DriverUnload(name.c_str());
        CloseServiceHandle(manager_);
    }

    std::string Name(const char* tag)
    {
        names_.push_back("dovari_" + std::string(tag) + std::to_string(GetCurrentProcessId()));
        return names_.back();
    }

    SC_HANDLE manager_ = nullptr;
    std::vector<std::string> names_;
};

TEST_F(Services, DriverLoadOpensTheDeviceAndUnloadRemovesTheService)
{
    std::string name = Name("load");
    HANDLE device = nullptr;
    DWORD error = 0xDEADBEEF;
    ASSERT_EQ(DriverLoad(name.c_str(), DriverPath().c_str(), &device, &error), 1) << "error " << error;
    EXPECT_NE(device, nullptr);
    EXPECT_NE(device, INVALID_HANDLE_VALUE);
    EXPECT_NE(error, 0xDEADBEEFu);

    // While it runs: starting again is fine, creating again is not.
    EXPECT_EQ(ServiceStart(manager_, name.c_str()), 1);
    EXPECT_EQ(ServiceCreate(manager_, name.c_str(), DriverPath().c_str()), 0);
    CloseHandle(device);
    EXPECT_EQ(DeviceOpen(name.c_str(), nullptr), 1);

    EXPECT_EQ(DriverUnload(name.c_str()), 1);
    EXPECT_TRUE(ServiceGone(manager_, name));
    EXPECT_EQ(DeviceOpen(name.c_str(), nullptr), 0);
}

TEST_F(Services, DriverLoadWithoutOutPlacesStillLoads)
{
    std::string name = Name("bare");
    EXPECT_EQ(DriverLoad(name.c_str(), DriverPath().c_str(), nullptr, nullptr), 1);
    EXPECT_EQ(DriverUnload(name.c_str()), 1);
    EXPECT_TRUE(ServiceGone(manager_, name));
}

TEST_F(Services, DriverLoadOfAMissingDriverFails)
{
    std::string name = Name("nofile");
    HANDLE device = nullptr;
    DWORD error = 0;
    EXPECT_EQ(DriverLoad(name.c_str(), (ProgramFolder() + "\\no-such.sys").c_str(), &device, &error), 0);
    EXPECT_EQ(device, nullptr);
    EXPECT_NE(error, 0u);
}

TEST_F(Services, StartOfADisabledServiceAnswersOneWithoutStarting)
{
    std::string name = Name("off");
    ASSERT_EQ(ServiceCreate(manager_, name.c_str(), DriverPath().c_str()), 1);
    SC_HANDLE service = OpenServiceA(manager_, name.c_str(), SERVICE_ALL_ACCESS);
    ASSERT_NE(service, nullptr);
    ASSERT_TRUE(ChangeServiceConfigA(service, SERVICE_NO_CHANGE, SERVICE_DISABLED, SERVICE_NO_CHANGE, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(ServiceStart(manager_, name.c_str()), 1);
    SERVICE_STATUS status{};
    ASSERT_TRUE(QueryServiceStatus(service, &status));
    EXPECT_EQ(status.dwCurrentState, static_cast<DWORD>(SERVICE_STOPPED));
    EXPECT_EQ(ServiceStop(manager_, name.c_str()), 0); // nothing to stop
    CloseServiceHandle(service);
    EXPECT_EQ(ServiceDelete(manager_, name.c_str()), 1);
    EXPECT_TRUE(ServiceGone(manager_, name));
}

TEST_F(Services, MissingServicesAnswerZero)
{
    std::string name = Name("none");
    EXPECT_EQ(ServiceStart(manager_, name.c_str()), 0);
    EXPECT_EQ(ServiceStop(manager_, name.c_str()), 0);
    EXPECT_EQ(ServiceDelete(manager_, name.c_str()), 0);
    EXPECT_EQ(DriverUnload(name.c_str()), 1);
}

TEST(DeviceOpen, MissingOrOverlongNamesAnswerZeroAndLeaveTheOutPlace)
{
    HANDLE device = reinterpret_cast<HANDLE>(0x1234);
    EXPECT_EQ(DeviceOpen("dovari_no_such_device", &device), 0);
    // "\\.\Global\" and the name must fit 64 bytes.
    EXPECT_EQ(DeviceOpen(std::string(60, 'n').c_str(), &device), 0);
    EXPECT_EQ(DeviceOpen(nullptr, &device), 0);
    EXPECT_EQ(device, reinterpret_cast<HANDLE>(0x1234));
}

} // namespace
