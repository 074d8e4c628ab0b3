// The main colour window's "Version Information" command: the version window,
// its settings binding "AboutWindow" and that binding's own skin set are made
// on first use and kept; each command shows a new window owned by the main one.
#include "app/IAppWindow.h"
#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/skin/ThinWindowSet.h"
#include "picker/About3.h"
#include "picker/Dialog.h"
#include "picker/DialogWindow.h"

namespace s::image::gui::dialogs::huesnap {

namespace {

constexpr wchar_t VERSION_WINDOW_NAME[] = L"AboutWindow";
constexpr int32_t VERSION_WINDOW_WIDTH = 340;
constexpr int32_t VERSION_WINDOW_HEIGHT = 285;
constexpr wchar_t VERSION_WINDOW_SKIN[] = L"Classic LG";

}  // namespace

void Dialog::showVersionWindow() {
    if (!about_ && !makeVersionWindow()) return;
    about_->show(window_->getHandle());
}

bool Dialog::makeVersionWindow() {
    app::win::AppBase* app = appWindow_ ? appWindow_->application() : nullptr;
    if (!app) return false;
    aboutSkinner_ = s::gui::drawer::skin::createThinWindowSkinner();
    aboutAppWindow_ = app::win::AppWindow::acquire();
    about_ = s::gui::dialogs::About3::acquire();
    if (!aboutSkinner_ || !aboutAppWindow_ || !about_ ||
        !aboutAppWindow_->initialize(app, VERSION_WINDOW_NAME, app->softwareType(), VERSION_WINDOW_WIDTH,
                                     VERSION_WINDOW_HEIGHT, aboutSkinner_, app::IAppWindow::ACTION_CLOSE,
                                     VERSION_WINDOW_SKIN)) {
        releaseVersionWindow();
        return false;
    }
    about_->setAppWindow(aboutAppWindow_);
    about_->setPageOpener(&Dialog::openAddress);
    return true;
}

void Dialog::releaseVersionWindow() {
    // The window first (it saves its place through the binding), then the binding, then its skins.
    if (about_) about_->release();
    about_ = nullptr;
    if (aboutAppWindow_) aboutAppWindow_->release();
    aboutAppWindow_ = nullptr;
    if (aboutSkinner_) aboutSkinner_->release();
    aboutSkinner_ = nullptr;
}

}  // namespace s::image::gui::dialogs::huesnap
