#include "service_control.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

// A stand-in service that keeps a journal of what it is asked; options shape its behaviour.
class ServiceControl : public ::testing::Test {
  protected:
    std::unique_ptr<TestService> Install(const std::wstring& options) {
        std::wstring line = Quoted(BinFolder() + L"Meridel.exe") + L" --journal " + Quoted(Journal()) + L" " + options;
        auto service = std::make_unique<TestService>(L"TrvTestService", line);
        EXPECT_TRUE(service->Installed());
        return service;
    }
    std::wstring Journal() const { return folder_.Path() + L"journal.txt"; }
    std::wstring JournalText() const { return ReadTextFile(Journal()); }
    bool JournalHas(const std::wstring& line) const {
        return WaitUntil([&] { return JournalText().find(line + L"\r\n") != std::wstring::npos; }, 5000);
    }
    TempFolder folder_;
};

} // namespace

TEST_F(ServiceControl, StartsAndStopsWithPolling) {
    auto service = Install(L"");
    EXPECT_EQ(ControlTheService(L"TrvTestService", ServiceControlStart), ServiceOk);
    EXPECT_EQ(service->State(), static_cast<DWORD>(SERVICE_RUNNING));
    EXPECT_EQ(ControlTheService(L"TrvTestService", ServiceControlStart), ServiceOk); // already running
    EXPECT_EQ(ControlTheService(L"TrvTestService", ServiceControlStop), ServiceOk);
    EXPECT_EQ(service->State(), static_cast<DWORD>(SERVICE_STOPPED));
    EXPECT_EQ(JournalText(), L"start\r\ncontrol 1\r\nstop\r\n");
}

TEST_F(ServiceControl, StoppingAStoppedServiceSendsNothing) {
    auto service = Install(L"");
    EXPECT_EQ(ControlTheService(L"TrvTestService", ServiceControlStop), ServiceOk);
    EXPECT_EQ(JournalText(), L"");
}

TEST_F(ServiceControl, UserCodesAreSentWithoutLookingAtTheOutcome) {
    auto service = Install(L"--reject-user-codes");
    ASSERT_EQ(ControlTheService(L"TrvTestService", ServiceControlStart), ServiceOk);
    for (ServiceRights rights : {ServiceRights::Full, ServiceRights::Panel}) {
        EXPECT_EQ(ControlTheService(L"TrvTestService", 128, rights), ServiceOk);
        EXPECT_EQ(ControlTheService(L"TrvTestService", 200, rights), ServiceOk);
    }
    EXPECT_TRUE(JournalHas(L"control 128\r\ncontrol 200\r\ncontrol 128\r\ncontrol 200"));
}

TEST_F(ServiceControl, MissingServiceGivesTwo) {
    RemoveService(L"TrvTestMissing");
    EXPECT_EQ(ControlTheService(L"TrvTestMissing", 193, ServiceRights::Panel), ServiceNotOpened);
    EXPECT_EQ(ControlTheService(L"TrvTestMissing", ServiceControlStart), ServiceNotOpened);
}

TEST_F(ServiceControl, RefusedStopAndStart) {
    {
        auto service = Install(L"--no-stop");
        ASSERT_EQ(ControlTheService(L"TrvTestService", ServiceControlStart), ServiceOk);
        EXPECT_EQ(ControlTheService(L"TrvTestService", ServiceControlStop), ServiceStopRefused);
    }
    TestService broken(L"TrvTestService", Quoted(folder_.Path() + L"no-such-program.exe"));
    ASSERT_TRUE(broken.Installed());
    EXPECT_EQ(ControlTheService(L"TrvTestService", ServiceControlStart), ServiceStartRefused);
}

TEST_F(ServiceControl, SlowServicesRunOutOfPollingTime) {
    {
        auto service = Install(L"--slow-start");
        EXPECT_EQ(ControlTheService(L"TrvTestService", ServiceControlStart), ServiceNotRunningInTime);
    }
    auto service = Install(L"--slow-stop");
    ASSERT_EQ(ControlTheService(L"TrvTestService", ServiceControlStart), ServiceOk);
    EXPECT_EQ(ControlTheService(L"TrvTestService", ServiceControlStop), ServiceNotStoppedInTime);
}
