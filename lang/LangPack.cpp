#include "lang/LangPack.h"

#include "foundation/thread/EasyPooler.h"

namespace s::lang {

using str::strbuffer::StrBuffer;

S_POOLED_CLASS_IMPL(LangPack, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

// The table hands its texts back to the string pool; its keys belong to the key list.
void setTableDisposers(map::MapTable& table) {
    table.setDisposers(nullptr, &StrBuffer::pool());
}

}  // namespace

LangPack::LangPack() {
    setTableDisposers(table_);
    reset();
}

LangPack::~LangPack() {
    // The table lets go of its texts before the key list deletes the keys it points to.
    table_.reset();
}

void LangPack::reset() {
    tagName_.reset();
    engName_.reset();
    trueName_.reset();
    clearTexts();
}

void LangPack::clearTexts() {
    ids_.reset();
    texts_.reset();
    table_.reset();  // releases the texts, frees the buckets and forgets the disposers
    setTableDisposers(table_);
    keys_.reset();
}

bool LangPack::addText(int32_t id, StrBuffer* text) {
    if (!text) return false;
    if (!texts_.add(text)) return false;  // add released the text
    if (ids_.add(id)) return true;
    static_cast<StrBuffer*>(static_cast<base::IObject*>(texts_.list().removeLast()))->release();
    return false;
}

const StrBuffer* LangPack::findText(int32_t id) const {
    const int32_t index = ids_.indexOf(id);
    return index < 0 ? nullptr : texts_.get(uint32_t(index));
}

bool LangPack::addKeyedText(StrBuffer* key, StrBuffer* text) {
    if (!key || !text || hasKey(key)) {
        if (key) key->release();
        if (text) text->release();
        return key && text;
    }
    if (!keys_.add(key)) {  // add released the key
        text->release();
        return false;
    }
    if (table_.put(key, table_.hashOf(key), text)) return true;
    text->release();
    keys_.list().remove(static_cast<base::IObject*>(key));  // back to the string pool
    return false;
}

const StrBuffer* LangPack::findKeyedText(const StrBuffer* key) const {
    if (!key) return nullptr;
    return static_cast<const StrBuffer*>(table_.get(key, table_.hashOf(key)));
}

}  // namespace s::lang
