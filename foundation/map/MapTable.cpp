#include "foundation/map/MapTable.h"

#include "foundation/base/IDestructor.h"
#include "foundation/map/HashChains.h"
#include "foundation/thread/EasyPooler.h"

namespace s::map {

namespace {
using Chains = HashChains<MapTable::Node>;
}

S_POOLED_CLASS_IMPL(MapTable, thread::EasyPooler::DEFAULT_CAPACITY)

MapTable::MapTable() : MapTable(nullptr, nullptr) {}

MapTable::MapTable(base::IDestructor* keyDisposer, base::IDestructor* valueDisposer)
    : keyDisposer_(keyDisposer), valueDisposer_(valueDisposer), caseInsensitive_(false), sizeIndex_(0), count_(0) {}

MapTable::~MapTable() {
    clear();
    buckets_.freeBuffer();
}

uint32_t MapTable::hashOf(const base::IObject* key) const {
    return Chains::hashOf(key, caseInsensitive_);
}

bool MapTable::put(base::IObject* key, uint32_t hash, base::IObject* value) {
    if (!Chains::makeRoom(buckets_, sizeIndex_, count_)) return false;
    Node** link;
    if (Chains::locate(buckets_, key, hash, caseInsensitive_, &link)) return false;
    Node* node = Chains::newNode();
    if (!node) return false;
    node->hash = hash;
    node->key = key;
    node->value = value;
    node->next = nullptr;
    *link = node;
    ++count_;
    return true;
}

MapTable::Node* MapTable::find(const base::IObject* key, uint32_t hash) const {
    if (buckets_.length() == 0) return nullptr;
    return Chains::locate(buckets_, key, hash, caseInsensitive_, nullptr);
}

base::IObject* MapTable::get(const base::IObject* key, uint32_t hash) const {
    const Node* node = find(key, hash);
    return node ? node->value : nullptr;
}

void MapTable::clear() {
    Chains::releaseAll(buckets_, [this](Node& node) {
        if (keyDisposer_ && node.key) {
            void* key = node.key;
            keyDisposer_->destroy(&key);
        }
        if (valueDisposer_ && node.value) {
            void* value = node.value;
            valueDisposer_->destroy(&value);
        }
    });
    count_ = 0;
}

void MapTable::reset() {
    clear();
    buckets_.freeBuffer();
    keyDisposer_ = nullptr;
    valueDisposer_ = nullptr;
    caseInsensitive_ = false;
    sizeIndex_ = 0;
    count_ = 0;
}

}  // namespace s::map
