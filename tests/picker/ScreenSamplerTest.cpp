// Screen sampler: samples only while Alt is down, each one delivered
// synchronously to the window's thread under the one event name; stopping ends
// the loop within a period; the screen probe holds no GDI object.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <vector>

#include "app/thread/ITask.h"
#include "app/thread/win/Thread.h"
#include "gui/events/IEventListener.h"
#include "gui/win/Window.h"
#include "picker/ScreenSampler.h"
#include "tests/support/ResourceCounts.h"

namespace {

using s::image::gui::dialogs::huesnap::ScreenSampler;

// The fake keyboard and screen: Alt as the test sets it, a new colour per read,
// and a number of reads that fail first.
std::atomic<bool> altHeld{false};
std::atomic<COLORREF> nextColour{0};
std::atomic<int> failingReads{0};
bool fakeAltDown() { return altHeld.load(); }
COLORREF fakePixel() {
    if (failingReads.load() > 0) return --failingReads % 2 ? CLR_INVALID : COLORREF(0x01FFFFFF);
    return nextColour.fetch_add(1);
}

// Records each sample on the window's thread, and tells when one arrived.
class SampleRecorder : public s::gui::events::IEventListener {
public:
    explicit SampleRecorder(s::gui::win::Window* window)
        : window_(window), arrived_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
    ~SampleRecorder() override { CloseHandle(arrived_); }
    void onEvent(s::gui::IComponent*, int kind) override {
        if (kind != s::gui::EVENT_USER || window_->getUserEventName() != ScreenSampler::PROCESS_NEW_COLOR) return;
        samples.push_back(*static_cast<COLORREF*>(window_->getUserEventData()));
        onWindowThread = GetCurrentThreadId() == window_->getThreadId();
        SetEvent(arrived_);
    }
    bool waitForSample() { return WaitForSingleObject(arrived_, 10000) == WAIT_OBJECT_0; }

    std::vector<COLORREF> samples;  // read by the test only while no sample can arrive
    bool onWindowThread = false;

private:
    s::gui::win::Window* window_;
    HANDLE arrived_;
};

struct SamplerTask : s::thread::ITask {
    ScreenSampler* sampler;
    s::gui::IWindow* window;
    void run() override { sampler->run(window); }
};

class ScreenSamplerLoop : public ::testing::Test {
protected:
    void SetUp() override {
        altHeld = false;
        nextColour = 0x102030;
        failingReads = 0;
        window_->addListener(s::gui::EVENT_USER, &recorder_);
        task_.sampler = &sampler_;
        task_.window = window_;
    }
    void TearDown() override {
        sampler_.requestStop();
        thread_->waitEnded();
        thread_->release();
        window_->release();
    }

    s::gui::win::Window* window_ = s::gui::win::Window::acquire();
    SampleRecorder recorder_{window_};
    ScreenSampler sampler_{ScreenSampler::Probe{fakeAltDown, fakePixel}};
    SamplerTask task_;
    s::thread::win::Thread* thread_ = s::thread::win::Thread::acquire();
};

TEST_F(ScreenSamplerLoop, SamplesOnlyWhileAltIsDownOnTheWindowThread) {
    thread_->runOnce(&task_);
    Sleep(350);  // Alt up: three or four periods pass without reading the screen
    EXPECT_EQ(nextColour.load(), COLORREF(0x102030));
    altHeld = true;
    ASSERT_TRUE(recorder_.waitForSample());
    ASSERT_TRUE(recorder_.waitForSample());
    altHeld = false;
    Sleep(3 * ScreenSampler::PERIOD_MS);  // at most one sample taken as Alt was released
    sampler_.requestStop();
    thread_->waitEnded();
    ASSERT_GE(recorder_.samples.size(), 2u);
    EXPECT_LE(recorder_.samples.size(), 3u);
    EXPECT_EQ(recorder_.samples[0], COLORREF(0x102030));
    EXPECT_EQ(recorder_.samples[1], COLORREF(0x102031));
    EXPECT_TRUE(recorder_.onWindowThread);
    EXPECT_FALSE(sampler_.isRunning());
}

// A read that failed (CLR_INVALID, or any value with bits 24-31 set) is no
// colour: it never reaches the window, and the loop goes on sampling.
TEST_F(ScreenSamplerLoop, FailedReadsAreDroppedAndSamplingGoesOn) {
    failingReads = 4;
    altHeld = true;
    thread_->runOnce(&task_);
    ASSERT_TRUE(recorder_.waitForSample());
    sampler_.requestStop();
    thread_->waitEnded();
    EXPECT_EQ(0, failingReads.load());
    ASSERT_FALSE(recorder_.samples.empty());
    EXPECT_EQ(COLORREF(0x102030), recorder_.samples[0]);
    EXPECT_TRUE(ScreenSampler::isReadColour(RGB(255, 255, 255)));
    EXPECT_FALSE(ScreenSampler::isReadColour(CLR_INVALID));
}

// The pace against a clock of the test's own, not one derived from the period:
// 2 s of held Alt give about 20 samples at the 100 ms period. A machine busy
// enough to lose a third of them still passes; a period three times as long
// (7 samples at most) does not.
TEST_F(ScreenSamplerLoop, HeldAltSamplesAboutTenTimesASecond) {
    constexpr DWORD kHeldMs = 2000;
    altHeld = true;
    thread_->runOnce(&task_);
    ASSERT_TRUE(recorder_.waitForSample());
    Sleep(kHeldMs);
    sampler_.requestStop();
    thread_->waitEnded();
    EXPECT_GE(recorder_.samples.size(), 13u);
    EXPECT_LE(recorder_.samples.size(), 30u);
}

TEST_F(ScreenSamplerLoop, StopEndsTheLoopWithinAboutOnePeriod) {
    altHeld = true;
    thread_->runOnce(&task_);
    ASSERT_TRUE(recorder_.waitForSample());
    EXPECT_TRUE(sampler_.isRunning());
    const DWORD start = GetTickCount();
    sampler_.requestStop();
    thread_->waitEnded();
    EXPECT_LT(GetTickCount() - start, 2000u);  // one period plus one sample, with room for a busy machine
    EXPECT_FALSE(sampler_.isRunning());
}

// Closing the program stops the sampler: the stop must cut the pause short, not
// wait it out. Five stops, each right after a sample, would take at least five
// whole periods if the pause ran to its end.
TEST_F(ScreenSamplerLoop, StopCutsThePauseShort) {
    altHeld = true;
    DWORD stopping = 0;
    for (int i = 0; i < 5; ++i) {
        thread_->runOnce(&task_);
        ASSERT_TRUE(recorder_.waitForSample());
        const DWORD start = GetTickCount();
        sampler_.requestStop();
        thread_->waitEnded();
        stopping += GetTickCount() - start;
        sampler_.clearStop();
    }
    EXPECT_LT(stopping, 5 * ScreenSampler::PERIOD_MS);
}

TEST_F(ScreenSamplerLoop, StopRequestedBeforeTheStartTakesNoSample) {
    altHeld = true;
    sampler_.requestStop();
    sampler_.run(window_);
    EXPECT_TRUE(recorder_.samples.empty());
    EXPECT_FALSE(sampler_.isRunning());
    sampler_.clearStop();
    EXPECT_FALSE(sampler_.isStopRequested());
}

TEST(ScreenSamplerProbe, ReadsThePixelUnderThePointerWithoutKeepingGdiObjects) {
    const ScreenSampler::Probe probe = ScreenSampler::systemProbe();
    SetCursorPos(3, 3);
    POINT at;
    GetCursorPos(&at);
    HDC screen = GetDC(nullptr);
    const COLORREF expected = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    // Warm-up: the first screen DCs leave lasting objects of the display driver.
    for (int i = 0; i < 5; ++i) probe.pixelUnderPointer();
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 50; ++i) EXPECT_EQ(probe.pixelUnderPointer(), expected);
    EXPECT_EQ(testing_resources::current().gdi, before.gdi);
}

}  // namespace
