// Entry point of HueSnap.exe: the application object whose start-up runs the
// whole life of the program on the process's main thread, and wWinMain.
//
// The main window runs its own message loop on its own thread; this thread builds
// everything, waits (answering its own messages, as an OLE apartment must) until
// that window has finished, and gives everything back in order.
#include <windows.h>

#include <commctrl.h>

#include "app/IAppWindow.h"
#include "app/process/commandline/ICommandLine.h"
#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "app/win/StartUpRules.h"
#include "foundation/system/trace/win/StartTrace.h"
#include "framework/WinApp.h"
#include "gui/drawer/skin/ThinWindowSet.h"
#include "picker/Dialog.h"

namespace {

using s::app::win::AppBase;
using s::app::win::AppWindow;
using s::image::gui::dialogs::huesnap::Dialog;
using s::system::trace::win::StartTrace;

constexpr int32_t MAIN_WINDOW_WIDTH = 800;
constexpr int32_t MAIN_WINDOW_HEIGHT = 600;

bool dialogFinished(void* dialog) {
    return static_cast<Dialog*>(dialog)->isFinished();
}

class CHueSnapApp : public framework::WinApp {
protected:
    // Runs the program from start to end; false so that no second loop runs here.
    bool initInstance() override {
        StartTrace::mark("entry");
        INITCOMMONCONTROLSEX controls = {8, 0xFF};
        InitCommonControlsEx(&controls);
        WinApp::initInstance();
        StartTrace::mark("common-controls");
        AppBase* app = AppBase::acquire();
        AppWindow* mainWindow = AppWindow::acquire();
        Dialog* dialog = nullptr;
        if (app && mainWindow && app->initialize(this, s::gui::drawer::skin::createThinWindowSkinner()) &&
            mainWindow->initialize(app, L"MainWindow", app->softwareType(), MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT,
                                   app->skinner(), s::app::IAppWindow::ACTION_CLOSE, nullptr)) {
            StartTrace::mark("window-binding");
            dialog = runMainWindow(app, mainWindow);
        }
        if (dialog) dialog->release();
        if (mainWindow) mainWindow->release();
        if (app) app->release();
        return false;
    }

private:
    // Steps from the system check to the end of the main window; answers the main
    // window object to release (null when none was taken).
    Dialog* runMainWindow(AppBase* app, AppWindow* mainWindow) {
        if (!s::app::win::isRunningOnSupportedSystem()) return nullptr;
        if (app->activateOtherInstance(true, false, true)) return nullptr;
        StartTrace::mark("system-and-other-copy");
        bool iconized = false;
        if (app->commandLine() && app->commandLine()->argumentCount() > 0) {
            iconized = s::app::win::wantsIconizedStart(app->commandLine());
        } else {
            app->checkSilentInstall();
        }
        Dialog* dialog = Dialog::acquire();
        if (!dialog) return nullptr;
        dialog->setAppWindow(mainWindow);
        // A window that could not be built never finishes: nothing to wait for.
        if (dialog->setUp(iconized)) s::app::win::pumpUntil(&dialogFinished, dialog, INFINITE);
        return dialog;
    }
};

// The program's one application object: it registers itself before wWinMain runs.
CHueSnapApp theApp;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return framework::WinApp::runMain(instance, showCommand);
}
