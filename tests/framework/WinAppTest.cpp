// The application object: splitting the command line with the switch rule,
// the registration of the one object, and the run order of runMain.
//
// current() is process-wide: every test makes its own objects and destroys
// them before it ends, so no test sees another's object whatever the order.
#include "framework/CommandLineInfo.h"
#include "framework/WinApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Param {
    std::wstring text;
    bool isSwitch;
    bool isLast;
    bool operator==(const Param& o) const { return text == o.text && isSwitch == o.isSwitch && isLast == o.isLast; }
};

void PrintTo(const Param& p, std::ostream* os) {
    *os << '{' << std::string(p.text.begin(), p.text.end()) << (p.isSwitch ? " switch" : "")
        << (p.isLast ? " last" : "") << '}';
}

class Recorder : public framework::CommandLineInfo {
public:
    std::vector<Param> params;
    void parseParam(const wchar_t* param, bool isSwitch, bool isLast) override {
        params.push_back({param, isSwitch, isLast});
    }
};

std::vector<Param> parse(const wchar_t* commandLine) {
    Recorder recorder;
    framework::WinApp::parseCommandLine(commandLine, recorder);
    return recorder.params;
}

// Records what runMain did with it; exitInstance adds 100 so its result is told apart from the loop's.
class ProbeApp : public framework::WinApp {
public:
    explicit ProbeApp(bool initResult, int quitCode = 0) : initResult_(initResult), quitCode_(quitCode) {}
    int initCalls = 0;
    int runCalls = 0;
    int exitCalls = 0;
    int exitArgument = -12345;

protected:
    bool initInstance() override {
        ++initCalls;
        if (initResult_) PostQuitMessage(quitCode_);
        return initResult_;
    }
    int run() override {
        ++runCalls;
        return WinApp::run();
    }
    int exitInstance(int code) override {
        ++exitCalls;
        exitArgument = code;
        return code + 100;
    }

private:
    bool initResult_;
    int quitCode_;
};

}  // namespace

TEST(WinAppCommandLine, OneLeadingSwitchCharacterIsTakenOffInOrder) {
    const std::vector<Param> expected = {
        {L"startup", true, false}, {L"startup", true, false}, {L"plain", false, false}, {L"two words", false, false},
        {L"", true, false},        {L"-double", true, false}, {L"STARTUP", true, true},
    };
    EXPECT_EQ(expected, parse(L"HueSnap.exe -startup /startup plain \"two words\" - --double /STARTUP"));
}

TEST(WinAppCommandLine, ProgramNameIsNeverAnArgument) {
    EXPECT_TRUE(parse(L"HueSnap.exe").empty());
    EXPECT_TRUE(parse(L"\"C:\\Program Files\\Tuvo\\HueSnap.exe\"").empty());
    EXPECT_TRUE(parse(L"").empty());
    EXPECT_TRUE(parse(nullptr).empty());
    const std::vector<Param> one = {{L"startup", true, true}};
    EXPECT_EQ(one, parse(L"\"C:\\Program Files\\Tuvo\\HueSnap.exe\" -startup"));
}

TEST(WinAppCommandLine, MemberParsesTheProcessCommandLine) {
    ProbeApp app(true);
    Recorder own;
    app.parseCommandLine(own);
    EXPECT_EQ(parse(GetCommandLineW()), own.params);
}

TEST(WinApp, FirstObjectStaysCurrentUntilDestroyed) {
    EXPECT_EQ(nullptr, framework::WinApp::current());
    auto first = std::make_unique<ProbeApp>(false);
    auto second = std::make_unique<ProbeApp>(false);
    EXPECT_EQ(first.get(), framework::WinApp::current());
    EXPECT_FALSE(second->isCurrent());
    first.reset();
    EXPECT_EQ(nullptr, framework::WinApp::current()) << "a stray second object must not take over";
    second.reset();
    ProbeApp third(false);
    EXPECT_TRUE(third.isCurrent());
}

TEST(WinApp, RunMainWithoutApplicationFails) {
    ASSERT_EQ(nullptr, framework::WinApp::current());
    EXPECT_EQ(-1, framework::WinApp::runMain(GetModuleHandleW(nullptr), SW_SHOW));
}

TEST(WinApp, FailedInitSkipsTheLoopAndExitDecidesTheCode) {
    ProbeApp app(false);
    EXPECT_EQ(100, framework::WinApp::runMain(GetModuleHandleW(nullptr), SW_MINIMIZE));
    EXPECT_EQ(1, app.initCalls);
    EXPECT_EQ(0, app.runCalls);
    EXPECT_EQ(1, app.exitCalls);
    EXPECT_EQ(0, app.exitArgument);
    EXPECT_EQ(GetModuleHandleW(nullptr), app.instance());
    EXPECT_EQ(SW_MINIMIZE, app.showCommand());
}

TEST(WinApp, LoopRunsUntilQuitAndExitGetsItsCode) {
    ProbeApp app(true, 7);
    EXPECT_EQ(107, framework::WinApp::runMain(GetModuleHandleW(nullptr), SW_SHOW));
    EXPECT_EQ(1, app.runCalls);
    EXPECT_EQ(7, app.exitArgument);
}
