#include "foundation/map/Map.h"

#include "foundation/base/IDestructor.h"
#include "foundation/map/HashChains.h"
#include "foundation/thread/EasyPooler.h"

namespace s::map {

namespace {
using Chains = HashChains<Map::Node>;
}

S_POOLED_CLASS_IMPL(Map, thread::EasyPooler::DEFAULT_CAPACITY)

Map::Map() : disposer_(nullptr), caseInsensitive_(false), sizeIndex_(0), count_(0) {}

Map::~Map() {
    clear();
    buckets_.freeBuffer();
}

Map* Map::create(bool caseInsensitive) {
    Map* set = acquire();
    if (set) set->setCaseInsensitive(caseInsensitive);
    return set;
}

uint32_t Map::hashOf(const base::IObject* key) const {
    return Chains::hashOf(key, caseInsensitive_);
}

bool Map::put(base::IObject* key, uint32_t hash) {
    if (!Chains::makeRoom(buckets_, sizeIndex_, count_)) return false;
    Node** link;
    if (Chains::locate(buckets_, key, hash, caseInsensitive_, &link)) return false;
    Node* node = Chains::newNode();
    if (!node) return false;
    node->hash = hash;
    node->key = key;
    node->next = nullptr;
    *link = node;
    ++count_;
    return true;
}

Map::Node* Map::find(const base::IObject* key, uint32_t hash) const {
    if (buckets_.length() == 0) return nullptr;
    return Chains::locate(buckets_, key, hash, caseInsensitive_, nullptr);
}

void Map::clear() {
    Chains::releaseAll(buckets_, [this](Node& node) {
        if (disposer_ && node.key) {
            void* key = node.key;
            disposer_->destroy(&key);
        }
    });
    count_ = 0;
}

void Map::reset() {
    clear();
    buckets_.freeBuffer();
    disposer_ = nullptr;
    caseInsensitive_ = false;
    sizeIndex_ = 0;
    count_ = 0;
}

}  // namespace s::map
