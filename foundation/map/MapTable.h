#pragma once
// MapTable: a chained hash table from key objects to value objects.
//
// Keys hash and compare with their own hashCode/equals, or with the ignore-case
// twins when the case-insensitive flag is set; the caller passes the hash it
// computed (hashOf does it to match the flag). The bucket count runs through a
// fixed series of primes (211, 431, 863, ...): before an insertion that finds
// count >= buckets / 2 the table grows to the next one, so the load stays at or
// below one half. New entries go to the end of their chain.
//
// Nodes come from one shared pool of zeroed blocks (up to 10,000 kept), so a warm
// program fills and clears tables without reaching the allocator. A node holds a
// hash and three pointers: 32 bytes on 64-bit builds.
//
// Ownership: the table owns its keys (values) only while a key (value) disposer is
// set; clear and destruction give each to its disposer. Keys and values are stored
// as IObject pointers. Not locked: a caller sharing a table between threads holds
// locker() around its use.
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

class MapTable : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(MapTable, L"s_map_MapTable")

public:
    struct Node {
        uint32_t hash;
        base::IObject* key;    // owned by the table when a key disposer is set
        base::IObject* value;  // owned by the table when a value disposer is set
        Node* next;            // the next node of the chain
    };

    MapTable();
    // keyDisposer serves the keys, valueDisposer the values; either may be null (not owned).
    MapTable(base::IDestructor* keyDisposer, base::IDestructor* valueDisposer);
    // clear, then frees the bucket array.
    ~MapTable() override;
    MapTable(const MapTable&) = delete;
    MapTable& operator=(const MapTable&) = delete;

    // Adds key -> value unless an equal key is present (then false, nothing changed,
    // nothing taken over). False too when no node or bucket array can be had.
    bool put(base::IObject* key, uint32_t hash, base::IObject* value);
    // The entry of an equal key, or null.
    Node* find(const base::IObject* key, uint32_t hash) const;
    // The value of an equal key, or null.
    base::IObject* get(const base::IObject* key, uint32_t hash) const;
    // The hash the table expects for `key`: hashCode, or hashCodeIgnoreCase with the flag.
    uint32_t hashOf(const base::IObject* key) const;

    // Disposes of every key and value (through the disposers), gives the nodes back to
    // their pool and empties the buckets; the bucket array stays allocated.
    void clear();
    // clear, free the bucket array, disposers null, flag false, size index and count 0.
    void reset() override;

    void setDisposers(base::IDestructor* keyDisposer, base::IDestructor* valueDisposer) {
        keyDisposer_ = keyDisposer;
        valueDisposer_ = valueDisposer;
    }
    bool caseInsensitive() const { return caseInsensitive_; }
    // Set it while the table is empty: stored hashes are not recomputed.
    void setCaseInsensitive(bool on) { caseInsensitive_ = on; }
    uint32_t count() const { return count_; }
    uint32_t sizeIndex() const { return sizeIndex_; }
    // 0 before the first put.
    uint32_t bucketCount() const { return buckets_.length(); }
    thread::ObjLocker& locker() { return locker_; }

    // Visits every entry in bucket order, then chain order.
    template <class Visitor>
    void forEach(Visitor visit) const {
        for (uint32_t b = 0; b < buckets_.length(); ++b) {
            for (const Node* node = static_cast<const Node*>(buckets_.get(b)); node; node = node->next) visit(*node);
        }
    }

private:
    thread::ObjLocker locker_;          // for callers; the operations do not take it
    col::_array::ArrayP buckets_;       // owned; chain heads (nodes owned, from the node pool)
    base::IDestructor* keyDisposer_;    // not owned; may be null
    base::IDestructor* valueDisposer_;  // not owned; may be null
    bool caseInsensitive_;
    uint32_t sizeIndex_;
    uint32_t count_;
};

}  // namespace s::map
