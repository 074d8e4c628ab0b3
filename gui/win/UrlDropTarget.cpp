#include "gui/win/UrlDropTarget.h"

#include "foundation/thread/EasyPooler.h"

namespace s::gui::win {

S_POOLED_CLASS_IMPL(UrlDropTarget, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {
FORMATETC addressFormat() {
    return FORMATETC{UrlDropTarget::format(), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}
}  // namespace

CLIPFORMAT UrlDropTarget::format() {
    // The system hands out the same number for the same name for the whole session.
    static const CLIPFORMAT registered = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"UniformResourceLocatorW"));
    return registered;
}

UrlDropTarget::UrlDropTarget() {
    reset();
}

void UrlDropTarget::reset() {
    references_ = 1;
    receiver_ = nullptr;
    dragOffersFormat_ = false;
    text_.reset();
}

HRESULT UrlDropTarget::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IDropTarget))) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG UrlDropTarget::AddRef() {
    return ++references_;
}

ULONG UrlDropTarget::Release() {
    const ULONG left = --references_;
    if (left == 0) release();
    return left;
}

DWORD UrlDropTarget::chooseEffect(DWORD allowed) {
    if (allowed & DROPEFFECT_LINK) return DROPEFFECT_LINK;
    if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    return DROPEFFECT_NONE;
}

bool UrlDropTarget::offersFormat(IDataObject* data) {
    if (!data || !format()) return false;
    FORMATETC wanted = addressFormat();
    return data->QueryGetData(&wanted) == S_OK;
}

HRESULT UrlDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    dragOffersFormat_ = offersFormat(data);
    *effect = dragOffersFormat_ ? chooseEffect(*effect) : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT UrlDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    *effect = dragOffersFormat_ ? chooseEffect(*effect) : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT UrlDropTarget::DragLeave() {
    dragOffersFormat_ = false;
    return S_OK;
}

HRESULT UrlDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    dragOffersFormat_ = false;
    if (!effect) return E_INVALIDARG;
    const DWORD chosen = chooseEffect(*effect);
    *effect = DROPEFFECT_NONE;
    // The data is read again here: a drop may come without DragEnter, and what was
    // offered on entering is no promise that it can be had.
    if (chosen == DROPEFFECT_NONE || !receiver_ || !readAddress(data)) return S_OK;
    // Held across the call: a listener may revoke the box's target, dropping the box's reference.
    AddRef();
    if (receiver_ && receiver_->onWebAddressDropped(text_.c_str(), text_.length())) *effect = chosen;
    text_.clear();
    Release();
    return S_OK;
}

bool UrlDropTarget::readAddress(IDataObject* data) {
    text_.clear();
    if (!offersFormat(data)) return false;
    FORMATETC wanted = addressFormat();
    STGMEDIUM medium = {};
    if (data->GetData(&wanted, &medium) != S_OK) return false;
    bool read = false;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
        const SIZE_T unitCount = GlobalSize(medium.hGlobal) / sizeof(wchar_t);
        if (const wchar_t* units = static_cast<const wchar_t*>(GlobalLock(medium.hGlobal))) {
            read = copyBounded(units, unitCount);
            GlobalUnlock(medium.hGlobal);
        }
    }
    ReleaseStgMedium(&medium);
    return read;
}

bool UrlDropTarget::copyBounded(const wchar_t* units, SIZE_T unitCount) {
    SIZE_T length = 0;
    while (length < unitCount && units[length] != L'\0') ++length;
    if (length == 0 || length > str::strbuffer::StrBuffer::MAX_CAPACITY) return false;
    if (text_.set(units, static_cast<int32_t>(length))) return true;
    text_.clear();
    return false;
}

}  // namespace s::gui::win
