#include "gui/drawer/Skinner.h"

#include <cwchar>

#include "foundation/thread/EasyPooler.h"
#include "gui/drawer/ISkin.h"

namespace s::gui::drawer {

S_POOLED_CLASS_IMPL(Skinner, ::s::thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

ISkin* asSkin(base::IObject* object) {
    return static_cast<ISkin*>(object);
}

str::strbuffer::StrBuffer* asName(base::IObject* object) {
    return static_cast<str::strbuffer::StrBuffer*>(object);
}

}  // namespace

Skinner::Skinner() : selection_(-1) {}

Skinner::~Skinner() {
    releaseAll();
}

const wchar_t* Skinner::getFamily() const {
    const wchar_t* family = family_.c_str();
    return family ? family : L"";
}

bool Skinner::setFamily(const wchar_t* family) {
    return family_.set(family ? family : L"");
}

bool Skinner::addSkin(ISkin* skin) {
    if (!skin) return false;
    str::strbuffer::StrBuffer* name = str::strbuffer::StrBuffer::acquire();
    if (!name || !name->set(skin->getName()) || !names_.addObject(name)) {
        if (name) name->release();
        skin->release();
        return false;
    }
    if (!skins_.addObject(skin)) {
        asName(names_.objectAt(names_.length() - 1))->release();
        names_.removeLast();
        skin->release();
        return false;
    }
    return true;
}

bool Skinner::findSkin(const wchar_t* name, int32_t& index) const {
    index = -1;
    if (!name) return false;
    for (uint32_t i = 0; i < names_.length(); ++i) {
        if (wcscmp(asName(names_.objectAt(i))->c_str(), name) == 0) {
            index = int32_t(i);
            return true;
        }
    }
    return false;
}

int32_t Skinner::indexOrDefault(const wchar_t* name, const wchar_t* defaultName) const {
    int32_t index = -1;
    if (findSkin(name, index) || findSkin(defaultName, index)) return index;
    return count() > 0 ? 0 : -1;
}

ISkin* Skinner::skin(int32_t index) const {
    if (index < 0 || index >= count()) return nullptr;
    return asSkin(skins_.objectAt(uint32_t(index)));
}

bool Skinner::setSelection(int32_t index) {
    if (index < 0 || index >= count()) return false;
    selection_ = index;
    return true;
}

void Skinner::releaseAll() {
    for (uint32_t i = 0; i < skins_.length(); ++i) asSkin(skins_.objectAt(i))->release();
    for (uint32_t i = 0; i < names_.length(); ++i) asName(names_.objectAt(i))->release();
    skins_.freeBuffer();
    names_.freeBuffer();
}

void Skinner::reset() {
    releaseAll();
    family_.reset();
    selection_ = -1;
}

}  // namespace s::gui::drawer
