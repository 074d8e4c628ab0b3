// The command line: switches keep one spelling whichever switch character was
// typed, other arguments stay as typed, and a pooled object starts empty.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/process/commandline/win/CommandLine.h"
#include "framework/WinApp.h"

namespace {

using s::process::commandline::win::CommandLine;

struct Releaser {
    void operator()(CommandLine* object) const { object->release(); }
};
using HeldCommandLine = std::unique_ptr<CommandLine, Releaser>;

HeldCommandLine parsed(const wchar_t* commandLine) {
    HeldCommandLine arguments(CommandLine::acquire());
    arguments->parse(commandLine);
    return arguments;
}

bool equalsIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

TEST(CommandLine, EverySwitchSpellingOfStartupReadsAsTheSwitch) {
    HeldCommandLine arguments = parsed(L"HueSnap.exe -startup /startup -STARTUP startup");
    ASSERT_EQ(4u, arguments->argumentCount());
    EXPECT_STREQ(L"-startup", arguments->argument(0));
    EXPECT_STREQ(L"-startup", arguments->argument(1));
    EXPECT_STREQ(L"-STARTUP", arguments->argument(2));
    for (uint32_t i = 0; i < 3; ++i) EXPECT_TRUE(equalsIgnoringCase(arguments->argument(i), L"-startup")) << i;
    // Without a switch character the word is an ordinary argument.
    EXPECT_STREQ(L"startup", arguments->argument(3));
    EXPECT_FALSE(equalsIgnoringCase(arguments->argument(3), L"-startup"));
}

TEST(CommandLine, HasArgumentIgnoresCaseButNeedsTheSwitch) {
    EXPECT_TRUE(parsed(L"HueSnap.exe other /STARTUP more")->hasArgument(L"-startup"));
    EXPECT_FALSE(parsed(L"HueSnap.exe startup")->hasArgument(L"-startup"));
    EXPECT_FALSE(parsed(L"HueSnap.exe -startupx")->hasArgument(L"-startup"));
}

TEST(CommandLine, ProgramNameAloneGivesNoArguments) {
    HeldCommandLine arguments = parsed(L"\"C:\\Program Files\\Tuvo\\HueSnap.exe\"");
    EXPECT_EQ(0u, arguments->argumentCount());
    EXPECT_STREQ(L"", arguments->argument(0));
}

TEST(CommandLine, OnlyOneSwitchCharacterIsTaken) {
    HeldCommandLine arguments(CommandLine::acquire());
    framework::WinApp::parseCommandLine(L"HueSnap.exe --long /-odd", *arguments);
    ASSERT_EQ(2u, arguments->argumentCount());
    EXPECT_STREQ(L"--long", arguments->argument(0));
    EXPECT_STREQ(L"--odd", arguments->argument(1));
}

TEST(CommandLine, ReleasedObjectComesBackEmpty) {
    CommandLine* first = CommandLine::acquire();
    first->parse(L"HueSnap.exe -startup");
    first->release();
    HeldCommandLine again(CommandLine::acquire());
    EXPECT_EQ(0u, again->argumentCount());
    // A second parse replaces the arguments instead of adding to them.
    again->parse(L"HueSnap.exe a b");
    again->parse(L"HueSnap.exe c");
    ASSERT_EQ(1u, again->argumentCount());
    EXPECT_STREQ(L"c", again->argument(0));
}

}  // namespace
