#include "SampleCost.h"

#include <windows.h>

#include <shlwapi.h>

#include "ChildProcess.h"
#include "app/IAppWindow.h"
#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "gui/IWindow.h"
#include "gui/drawer/skin/ThinWindowSet.h"
#include "picker/Dialog.h"
#include "picker/DialogWindow.h"
#include "picker/ScreenSampler.h"
#include "settings/reg/MappedData.h"

namespace program_bench {

namespace {

using s::image::gui::dialogs::huesnap::Dialog;
using s::image::gui::dialogs::huesnap::ScreenSampler;

// The settings of this measurement live apart from the program's and go at the end.
const wchar_t kBenchKey[] = L"Software\\Tuvo\\HueSnap Program Bench";

// Each sample alternates between the pixel read and a neighbour of it, so every
// one changes the colour and runs the whole apply-and-store path.
void takeSamples(Dialog* dialog, int samples, Series& perSample) {
    const ScreenSampler::Probe probe = ScreenSampler::systemProbe();
    for (int i = -1; i < samples; ++i) {  // the first one warms up
        const double start = nowMs();
        COLORREF colour = ScreenSampler::readUnderPointer(probe);
        if (colour == CLR_INVALID) colour = 0;
        if (i % 2) colour ^= 0x010101;
        dialog->window()->sendUserEvent(ScreenSampler::PROCESS_NEW_COLOR, &colour, 0, 0);
        if (i >= 0) perSample.add(nowMs() - start);
    }
}

}  // namespace

Series measureWholeSamples(int samples) {
    Series perSample;
    SHDeleteKeyW(HKEY_CURRENT_USER, kBenchKey);
    s::app::win::AppBase* app = s::app::win::AppBase::acquire();
    s::app::win::AppWindow* appWindow = s::app::win::AppWindow::acquire();
    s::reg::MappedData* store = s::reg::MappedData::acquire();
    Dialog* dialog = nullptr;
    if (app && appWindow && store && app->initialize(nullptr, s::gui::drawer::skin::createThinWindowSkinner()) &&
        store->open(kBenchKey)) {
        store->setAutoFlush(true);
        app->setStore(store);
        store = nullptr;  // the application owns it now
        if (appWindow->initialize(app, L"MainWindow", app->softwareType(), 300, 420, app->skinner(),
                                  s::app::IAppWindow::ACTION_CLOSE, nullptr)) {
            dialog = Dialog::acquire();
            dialog->setAppWindow(appWindow);
            if (dialog->setUp(false)) takeSamples(dialog, samples, perSample);
        }
    }
    if (dialog) dialog->release();
    if (store) store->release();
    if (appWindow) appWindow->release();
    if (app) app->release();
    SHDeleteKeyW(HKEY_CURRENT_USER, kBenchKey);
    return perSample;
}

}  // namespace program_bench
