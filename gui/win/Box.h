#pragma once
// Box: the box with its own child window of the toolkit class. Layout is all
// IBox's; this adds creating the native window and the children's windows
// inside it, showing and hiding, moving at commit, key handling and drops.
//
// Drops: a box accepting files takes the shell's file drops (WM_DROPFILES); a
// box accepting web addresses registers an OLE drop target (UrlDropTarget) for
// its window, which needs OLE initialised on the box's thread (the window
// core's thread does that); without it the box simply takes no addresses. Both
// flags take effect when the window is created. Either drop raises an event on
// the drop listeners; the dropped text is readable during that event only.
// The target is revoked and let go when the window is destroyed, however that
// happens.
//
// Waiting for the window core: the skin drawer (painting uses the class
// background until then). Children's windows are created on the box's thread
// through WM_APP_ATTACH, which the window core also uses for its own children.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>

#include "foundation/col/_array/ArrayP.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "framework/Wnd.h"
#include "gui/IBox.h"
#include "gui/win/UrlDropTarget.h"

namespace s::gui::win {

class Box : public IBox, public thread::IPoolable, public framework::Wnd, private UrlDropTarget::IReceiver {
    S_POOLED_CLASS(Box, L"s_gui_win_Box")

public:
    // Off-screen position of a hidden box.
    static constexpr int HIDDEN_X = -10000;
    static constexpr int HIDDEN_Y = 10000;
    // Event kinds the drop listeners receive (IBox::LAYOUT_EVENT is 3).
    static constexpr int FILES_DROPPED_EVENT = 4;        // paths: getDroppedFiles()
    static constexpr int WEB_ADDRESS_DROPPED_EVENT = 5;  // text: getDroppedWebAddress()

    Box();
    // Destroys the native window first (on its own thread), so the drop target is
    // revoked while this object still handles the window's messages.
    ~Box() override;
    // Defaults of a new box; destroys the native window when there still is one
    // (on its own thread) and empties the drop listener list.
    void reset() override;

    HWND getHandle() const override { return handle(); }
    // Creates the window inside `parent` (WS_CHILD, WS_EX_CONTROLPARENT, empty
    // rectangle, id 0), accepts file drops and registers the web-address target
    // when asked (a failed registration leaves the box without it), creates every
    // child's window through WM_APP_ATTACH in list order, lays out, and shows the
    // box when visible.
    // On failure reports "Window Creation Failed!" and returns false.
    bool create(HWND parent) override;
    // Showing shows the window; hiding hides it and moves it off-screen.
    void setVisible(bool visible) override;
    // As setVisible, and shows or hides every child too.
    void setVisibleWithChildren(bool visible);
    // True when the box is visible and the screen point lies in its client
    // rectangle on screen, edges included.
    bool contains(POINT screenPoint) const;

    bool isAcceptingFiles() const { return acceptsFiles_; }
    void setAcceptingFiles(bool accept) { acceptsFiles_ = accept; }
    bool isAcceptingWebAddresses() const { return acceptsWebAddresses_; }
    void setAcceptingWebAddresses(bool accept) { acceptsWebAddresses_ = accept; }
    base::IObject* getDrawer() const { return drawer_; }
    void setDrawer(base::IObject* drawer) { drawer_ = drawer; }

    // ---- Drop listeners (not owned), called front to back with onEvent(box, kind)
    bool addDropListener(events::IEventListener* listener);
    bool removeDropListener(events::IEventListener* listener);
    int getDropListenerCount() const { return static_cast<int>(dropListeners_.length()); }
    // During FILES_DROPPED_EVENT: the dropped paths in the order of the drop; empty otherwise.
    const str::strarray::StrArray& getDroppedFiles() const { return droppedFiles_; }
    // During WEB_ADDRESS_DROPPED_EVENT: the dropped address; "" otherwise. Never null.
    const wchar_t* getDroppedWebAddress() const { return droppedWebAddress_.c_str(); }
    // The registered target while the window exists and takes web addresses, else
    // null (not owned by the caller: AddRef to keep it).
    UrlDropTarget* getDropTarget() const { return dropTarget_; }

protected:
    bool moveNative(int x, int y, int width, int height) override;
    void attachChild(IComponent* component) override;
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    LRESULT forwardKey(UINT msg, WPARAM wp, LPARAM lp);
    void registerDropTarget();
    void revokeDropTarget();
    LRESULT onDropFiles(HDROP drop);
    void readDroppedFiles(HDROP drop);
    bool onWebAddressDropped(const wchar_t* address, uint32_t length) override;
    void raiseDrop(int kind);

    bool acceptsFiles_;
    bool acceptsWebAddresses_;
    base::IObject* drawer_;                        // not owned: the skin's
    UrlDropTarget* dropTarget_ = nullptr;          // owned: one reference, held while the window is registered
    col::_array::ArrayP dropListeners_;            // IEventListener*, not owned
    str::strarray::StrArray droppedFiles_;         // owned (embedded): paths of the drop being reported
    str::strbuffer::StrBuffer droppedWebAddress_;  // owned (embedded): the address being reported
};

}  // namespace s::gui::win
