// Drops on boxes: shell file drops (WM_DROPFILES) read in full and reported in
// order, the web-address OLE target registered on the box's window, its answers
// to data with and without the address format, bounded reading of an
// unterminated block, and every reference given back when the window goes.
#include <gtest/gtest.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "gui/win/Box.h"
#include "gui/win/UrlDropTarget.h"
#include "gui/win/Window.h"

namespace {

using s::gui::IComponent;
using s::gui::win::Box;
using s::gui::win::UrlDropTarget;
using s::gui::win::Window;

constexpr UINT WM_APP_ATTACH = 0x8002;

// Records what the drop listeners are told, copying the texts during the event.
class DropRecorder : public s::gui::events::IEventListener {
public:
    void onEvent(IComponent* source, int kind) override {
        Box* box = static_cast<Box*>(source);
        kinds.push_back(kind);
        for (uint32_t i = 0; i < box->getDroppedFiles().count(); ++i)
            texts.emplace_back(box->getDroppedFiles().get(i)->c_str());
        if (kind == Box::WEB_ADDRESS_DROPPED_EVENT) texts.emplace_back(box->getDroppedWebAddress());
    }
    std::vector<int> kinds;
    std::vector<std::wstring> texts;
};

// Runs whatever action it is given next.
class ActionListener : public s::gui::events::IEventListener {
public:
    void onEvent(IComponent*, int) override {
        if (action) action();
    }
    std::function<void()> action;
};

// Receives straight from a target.
class RecordingReceiver : public UrlDropTarget::IReceiver {
public:
    bool onWebAddressDropped(const wchar_t* address, uint32_t length) override {
        received.emplace_back(address, length);
        return true;
    }
    std::vector<std::wstring> received;
};

// A data object offering one block in one format. GetData hands out the block with
// itself as the releaser, so its reference count shows whether the medium was released.
class TestData : public IDataObject {
public:
    TestData(CLIPFORMAT format, const void* bytes, SIZE_T size) : format_(format) {
        block_ = GlobalAlloc(GMEM_MOVEABLE, size);
        if (void* target = GlobalLock(block_)) {
            memcpy(target, bytes, size);
            GlobalUnlock(block_);
        }
    }
    ~TestData() { GlobalFree(block_); }
    TestData(const TestData&) = delete;
    TestData& operator=(const TestData&) = delete;
    ULONG references() const { return references_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }  // lives on the stack
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* wanted) override {
        return wanted->cfFormat == format_ && (wanted->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* wanted, STGMEDIUM* medium) override {
        if (QueryGetData(wanted) != S_OK) return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block_;
        medium->pUnkForRelease = this;
        AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    CLIPFORMAT format_;
    HGLOBAL block_;
    ULONG references_ = 1;
};

TestData addressData(const wchar_t* text) {
    return TestData(UrlDropTarget::format(), text, (wcslen(text) + 1) * sizeof(wchar_t));
}

// A DROPFILES block with wide paths, as the shell hands it over.
HDROP makeFileDrop(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    list += L'\0';
    const SIZE_T listBytes = list.size() * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + listBytes);
    DROPFILES* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), listBytes);
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

// A window holding two boxes: one taking files and web addresses, one taking nothing.
class BoxDropTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = Window::acquire();
        ASSERT_TRUE(window_ && window_->hasNativeWindow());
        accepting.setAcceptingFiles(true);
        accepting.setAcceptingWebAddresses(true);
        for (Box* box : {&accepting, &plain}) {
            box->addDropListener(&recorder);
            ASSERT_TRUE(window_->addComponent(box));
            ASSERT_EQ(1, SendMessageW(window_->getHandle(), WM_APP_ATTACH, reinterpret_cast<WPARAM>(box), 0));
        }
        ASSERT_TRUE(window_->addListener(s::gui::EVENT_USER, &runner_));
    }
    void TearDown() override {
        if (window_) window_->release();  // destroys the boxes' windows on the window's thread
    }
    // Runs `action` on the window's thread and waits for it.
    void onWindowThread(std::function<void()> action) {
        runner_.action = std::move(action);
        window_->sendUserEvent(L"run", nullptr, 0, 0);
        runner_.action = nullptr;
    }

    // Declared first: they outlive the window.
    Box accepting, plain;
    DropRecorder recorder;
    ActionListener runner_;
    Window* window_ = nullptr;
};

TEST_F(BoxDropTest, FileDropReportsEveryPathInOrderAndBoxNotTakingFilesNothing) {
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'a') + L"\\file.txt";
    const std::vector<std::wstring> paths = {L"C:\\x.txt", longPath};
    SendMessageW(accepting.getHandle(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeFileDrop(paths)), 0);
    EXPECT_EQ(std::vector<int>{Box::FILES_DROPPED_EVENT}, recorder.kinds);
    EXPECT_EQ(paths, recorder.texts);
    EXPECT_EQ(0u, accepting.getDroppedFiles().count());  // readable during the event only

    SendMessageW(plain.getHandle(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeFileDrop(paths)), 0);
    EXPECT_EQ(1u, recorder.kinds.size());
}

TEST_F(BoxDropTest, TargetIsRegisteredOnTheAcceptingBoxOnly) {
    ASSERT_NE(nullptr, accepting.getDropTarget());
    EXPECT_EQ(nullptr, plain.getDropTarget());
    HRESULT onAccepting = S_OK, onPlain = E_FAIL;
    onWindowThread([&] {
        // A second registration is refused where ours is; the plain box takes one.
        UrlDropTarget* probe = UrlDropTarget::acquire();
        onAccepting = RegisterDragDrop(accepting.getHandle(), probe);
        onPlain = RegisterDragDrop(plain.getHandle(), probe);
        if (SUCCEEDED(onPlain)) RevokeDragDrop(plain.getHandle());
        probe->Release();
    });
    EXPECT_EQ(DRAGDROP_E_ALREADYREGISTERED, onAccepting);
    EXPECT_EQ(S_OK, onPlain);
}

TEST_F(BoxDropTest, DroppedAddressReachesTheListenersThroughTheBoxTarget) {
    TestData data = addressData(L"https://example.org/page");
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK | DROPEFFECT_MOVE;
    onWindowThread([&] { accepting.getDropTarget()->Drop(&data, 0, POINTL{0, 0}, &effect); });
    EXPECT_EQ(DWORD(DROPEFFECT_LINK), effect);
    EXPECT_EQ(std::vector<int>{Box::WEB_ADDRESS_DROPPED_EVENT}, recorder.kinds);
    EXPECT_EQ(std::vector<std::wstring>{L"https://example.org/page"}, recorder.texts);
    EXPECT_STREQ(L"", accepting.getDroppedWebAddress());
    EXPECT_EQ(1u, data.references());  // the medium was released
}

TEST_F(BoxDropTest, WindowGoingReleasesEveryReferenceToTheTarget) {
    UrlDropTarget* target = accepting.getDropTarget();
    ASSERT_NE(nullptr, target);
    target->AddRef();
    onWindowThread([&] { accepting.destroy(); });
    EXPECT_EQ(nullptr, accepting.getDropTarget());
    EXPECT_EQ(nullptr, target->getReceiver());
    EXPECT_EQ(0u, target->Release());  // ours was the last
}

// The target on its own, without OLE or windows.
class UrlDropTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        target = UrlDropTarget::acquire();
        ASSERT_NE(nullptr, target);
        target->setReceiver(&receiver);
    }
    void TearDown() override { EXPECT_EQ(0u, target->Release()); }
    DWORD enter(IDataObject* data, DWORD allowed) {
        target->DragEnter(data, 0, POINTL{0, 0}, &allowed);
        return allowed;
    }
    DWORD over(DWORD allowed) {
        target->DragOver(0, POINTL{0, 0}, &allowed);
        return allowed;
    }
    DWORD drop(IDataObject* data, DWORD allowed) {
        target->Drop(data, 0, POINTL{0, 0}, &allowed);
        return allowed;
    }

    UrlDropTarget* target = nullptr;
    RecordingReceiver receiver;
};

TEST_F(UrlDropTargetTest, AnswersLinkElseCopyForTheFormatAndNoneForOtherData) {
    EXPECT_EQ(0, wcscmp(L"s_gui_win_UrlDropTarget", target->getClassName()));
    TestData data = addressData(L"https://example.org/");
    EXPECT_EQ(DWORD(DROPEFFECT_LINK), enter(&data, DROPEFFECT_COPY | DROPEFFECT_LINK));
    EXPECT_EQ(DWORD(DROPEFFECT_COPY), over(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ(DWORD(DROPEFFECT_NONE), over(DROPEFFECT_MOVE));
    EXPECT_EQ(DWORD(DROPEFFECT_COPY), drop(&data, DROPEFFECT_COPY));
    EXPECT_EQ(std::vector<std::wstring>{L"https://example.org/"}, receiver.received);
    EXPECT_EQ(1u, data.references());

    const wchar_t text[] = L"https://example.org/";
    TestData other(CF_UNICODETEXT, text, sizeof(text));
    EXPECT_EQ(DWORD(DROPEFFECT_NONE), enter(&other, DROPEFFECT_LINK));
    EXPECT_EQ(DWORD(DROPEFFECT_NONE), over(DROPEFFECT_LINK));
    EXPECT_EQ(DWORD(DROPEFFECT_NONE), drop(&other, DROPEFFECT_LINK));
    EXPECT_EQ(1u, receiver.received.size());
}

TEST_F(UrlDropTargetTest, ReadsWithinTheBlockAndDeliversNothingForBadData) {
    // Eleven bytes: five whole units and half of one more, and no NUL anywhere.
    const wchar_t unterminated[] = {L'h', L't', L't', L'p', L':', 0xFFFF};
    TestData data(UrlDropTarget::format(), unterminated, 11);
    EXPECT_EQ(DWORD(DROPEFFECT_LINK), drop(&data, DROPEFFECT_LINK));
    EXPECT_EQ(std::vector<std::wstring>{L"http:"}, receiver.received);

    TestData empty = addressData(L"");
    EXPECT_EQ(DWORD(DROPEFFECT_NONE), drop(&empty, DROPEFFECT_LINK));
    EXPECT_EQ(1u, empty.references());
    EXPECT_EQ(DWORD(DROPEFFECT_NONE), drop(nullptr, DROPEFFECT_LINK));
    EXPECT_EQ(1u, receiver.received.size());
}

}  // namespace
