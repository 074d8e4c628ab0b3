#pragma once
// UrlDropTarget: the OLE drop target of a box that accepts web addresses.
//
// It takes exactly one clipboard format, "UniformResourceLocatorW": a UTF-16
// web address in an HGLOBAL, which browsers offer when a link or the address
// bar is dragged. Drops of anything else are refused.
//
// Effects: a drag carrying the format is answered with DROPEFFECT_LINK when the
// source allows it (a web address dropped on us is a reference to a page, not a
// copy of anything), with DROPEFFECT_COPY when the source only allows copying,
// and DROPEFFECT_NONE otherwise. DROPEFFECT_MOVE is never answered: a source
// told "moved" may delete its own item.
//
// The text is read within the block's GlobalSize even when it has no
// terminating NUL; an empty text, a block that cannot be locked or data of
// another storage kind count as no drop (DROPEFFECT_NONE, nothing delivered).
//
// Lifetime: the object is a COM object and a pooled one at once. acquire()
// hands out an object holding one reference, the acquirer's; owners give their
// references back with Release(), and the last Release() returns the object to
// its pool (IPoolable::release is that step and is not for owners). OLE keeps
// its own references while the target is registered or a drag is under way, so
// an owner that goes away first calls detach(): the target then stays alive as
// long as OLE holds it but delivers nothing.
//
// OLE calls the target on the thread that registered it, so it is used by one
// thread only and has no lock.
#include <ole2.h>

#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::gui::win {

class UrlDropTarget : public IDropTarget, public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(UrlDropTarget, L"s_gui_win_UrlDropTarget")

public:
    // Whoever registered the target and wants the dropped addresses.
    class IReceiver {
    public:
        virtual ~IReceiver() = default;
        // A web address was dropped: `address` is NUL-terminated, `length` code units
        // long, and valid during the call only. True when it was taken.
        virtual bool onWebAddressDropped(const wchar_t* address, uint32_t length) = 0;
    };

    // The registered clipboard format "UniformResourceLocatorW" (0 if registration failed).
    static CLIPFORMAT format();

    UrlDropTarget();
    UrlDropTarget(const UrlDropTarget&) = delete;
    UrlDropTarget& operator=(const UrlDropTarget&) = delete;

    // One reference (the acquirer's), no receiver, no drag under way, no text.
    void reset() override;

    // Not owned; null delivers nothing.
    void setReceiver(IReceiver* receiver) { receiver_ = receiver; }
    IReceiver* getReceiver() const { return receiver_; }
    void detach() { receiver_ = nullptr; }

    // IUnknown: counted by hand; the count reaching 0 gives the object back to its pool.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

    // The effect answered for a drag offering the format, from the effects the source allows.
    static DWORD chooseEffect(DWORD allowed);
    // True when `data` offers the format in an HGLOBAL.
    static bool offersFormat(IDataObject* data);

private:
    // Reads the address into text_; false (text_ empty) for missing or bad data.
    bool readAddress(IDataObject* data);
    // Copies the units of a locked block up to its first NUL or its end.
    bool copyBounded(const wchar_t* units, SIZE_T unitCount);

    ULONG references_;
    IReceiver* receiver_;             // not owned: the box that registered the target
    bool dragOffersFormat_;           // the drag under way (DragEnter..DragLeave/Drop) carries the format
    str::strbuffer::StrBuffer text_;  // owned (embedded): the address being delivered
};

}  // namespace s::gui::win
