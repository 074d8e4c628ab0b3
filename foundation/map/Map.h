#pragma once
// Map: a chained hash set of key objects, run like MapTable (same prime series,
// growth at half load, entries at the end of their chain, case-insensitive flag)
// without values. Nodes (hash, key, next: 24 bytes on 64-bit builds) come from
// their own shared pool of zeroed blocks. Owns its keys only while a disposer is set.
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/ObjLocker.h"
#include "foundation/thread/Pooled.h"

namespace s::base {
class IDestructor;
}

namespace s::map {

class Map : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(Map, L"s_map_Map")

public:
    struct Node {
        uint32_t hash;
        base::IObject* key;  // owned by the set when a disposer is set
        Node* next;
    };

    Map();
    ~Map() override;
    Map(const Map&) = delete;
    Map& operator=(const Map&) = delete;

    // A set from the pool with the given case rule (the usual way to get one).
    static Map* create(bool caseInsensitive);

    // Adds the key unless an equal one is present (then false, nothing changed).
    bool put(base::IObject* key, uint32_t hash);
    // The entry of an equal key, or null.
    Node* find(const base::IObject* key, uint32_t hash) const;
    bool contains(const base::IObject* key, uint32_t hash) const { return find(key, hash) != nullptr; }
    uint32_t hashOf(const base::IObject* key) const;

    void clear();
    void reset() override;

    void setDisposer(base::IDestructor* disposer) { disposer_ = disposer; }
    bool caseInsensitive() const { return caseInsensitive_; }
    void setCaseInsensitive(bool on) { caseInsensitive_ = on; }
    uint32_t count() const { return count_; }
    uint32_t sizeIndex() const { return sizeIndex_; }
    uint32_t bucketCount() const { return buckets_.length(); }
    thread::ObjLocker& locker() { return locker_; }

    template <class Visitor>
    void forEach(Visitor visit) const {
        for (uint32_t b = 0; b < buckets_.length(); ++b) {
            for (const Node* node = static_cast<const Node*>(buckets_.get(b)); node; node = node->next) visit(*node);
        }
    }

private:
    thread::ObjLocker locker_;     // for callers; the operations do not take it
    col::_array::ArrayP buckets_;  // owned; chain heads (nodes from the node pool)
    base::IDestructor* disposer_;  // not owned; may be null
    bool caseInsensitive_;
    uint32_t sizeIndex_;
    uint32_t count_;
};

}  // namespace s::map
