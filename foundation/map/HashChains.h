#pragma once
// The chain and bucket handling shared by MapTable and Map, for any node type with
// `hash`, `key` and `next` fields. Nodes are zeroed blocks from one static pool per
// node type (up to 10,000 kept, zeroed again on return).
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/thread/EasyPooler.h"

namespace s::map {

// The bucket counts of the two tables, indexed by their size index.
inline constexpr uint32_t HASH_BUCKET_COUNTS[] = {211,     431,     863,      1733,     3467,     6947,     13901,
                                                  27803,   55609,   111227,   222461,   444929,   889871,   1779761,
                                                  3559537, 7119103, 14238221, 28476473, 56952947, 113905901};
inline constexpr uint32_t HASH_SIZE_COUNT = sizeof(HASH_BUCKET_COUNTS) / sizeof(HASH_BUCKET_COUNTS[0]);

template <class Node>
class HashChains {
public:
    static thread::EasyPooler& nodePool() {
        return thread::staticPool<Node>(thread::EasyPooler::BLOCK_CAPACITY, &makeBlock, &freeBlock, &zeroBlock);
    }

    static Node* newNode() { return static_cast<Node*>(nodePool().acquire()); }
    static void releaseNode(Node* node) { nodePool().release(node); }

    // A bucket array of HASH_BUCKET_COUNTS[sizeIndex] empty chains.
    static bool allocate(col::_array::ArrayP& buckets, uint32_t sizeIndex) {
        const uint32_t count = HASH_BUCKET_COUNTS[sizeIndex];
        if (!buckets.setLength(count)) return false;
        memset(buckets.data(), 0, buckets.byteSize());
        return true;
    }

    // Re-links every node, in bucket order then chain order, at the end of its chain
    // in a new bucket array of size index `to`. Without memory for the new array the
    // nodes go back into an array of size index `from` (which reuses the old block)
    // and the answer is false.
    static bool grow(col::_array::ArrayP& buckets, uint32_t from, uint32_t to) {
        // One list of all nodes, in order: the chains joined end to end.
        Node* first = nullptr;
        Node** tail = &first;
        Node** heads = reinterpret_cast<Node**>(buckets.elements());
        for (uint32_t b = 0; b < buckets.length(); ++b) {
            *tail = heads[b];
            while (*tail) tail = &(*tail)->next;
        }
        buckets.clear();
        const bool grown = allocate(buckets, to);
        if (!grown) allocate(buckets, from);
        relink(buckets, first);
        return grown;
    }

    // The node whose stored hash equals `hash` and whose stored key equals `key`
    // (ignoring case when asked), or null with *link at the end of the chain.
    // Before a put: the first put makes the bucket array, later ones grow it at
    // half load. False only when the first array cannot be made; a table that
    // cannot grow still works, with longer chains.
    static bool makeRoom(col::_array::ArrayP& buckets, uint32_t& sizeIndex, uint32_t count) {
        if (buckets.length() == 0) return allocate(buckets, sizeIndex);
        if (count >= buckets.length() / 2 && sizeIndex + 1 < HASH_SIZE_COUNT && grow(buckets, sizeIndex, sizeIndex + 1))
            ++sizeIndex;
        return true;
    }

    static Node* locate(const col::_array::ArrayP& buckets, const base::IObject* key, uint32_t hash, bool ignoreCase,
                        Node*** link) {
        Node** heads = reinterpret_cast<Node**>(const_cast<col::_array::ArrayP&>(buckets).elements());
        Node** at = &heads[hash % buckets.length()];
        for (; *at; at = &(*at)->next) {
            Node* node = *at;
            if (node->hash != hash) continue;
            if (ignoreCase ? node->key->equalsIgnoreCase(key) : node->key->equals(key)) return node;
        }
        if (link) *link = at;
        return nullptr;
    }

    // Every node to `dispose` and back to the pool; the buckets stay, emptied.
    template <class Dispose>
    static void releaseAll(col::_array::ArrayP& buckets, Dispose dispose) {
        Node** heads = reinterpret_cast<Node**>(buckets.elements());
        for (uint32_t b = 0; b < buckets.length(); ++b) {
            Node* node = heads[b];
            heads[b] = nullptr;
            while (node) {
                Node* next = node->next;
                dispose(*node);
                releaseNode(node);
                node = next;
            }
        }
    }

    static uint32_t hashOf(const base::IObject* key, bool ignoreCase) {
        return uint32_t(ignoreCase ? key->hashCodeIgnoreCase() : key->hashCode());
    }

private:
    static void relink(col::_array::ArrayP& buckets, Node* node) {
        const uint32_t bucketCount = buckets.length();
        Node** heads = reinterpret_cast<Node**>(buckets.elements());
        while (node) {
            Node* next = node->next;
            node->next = nullptr;
            Node** link = &heads[node->hash % bucketCount];
            while (*link) link = &(*link)->next;
            *link = node;
            node = next;
        }
    }

    static void* makeBlock() { return calloc(1, sizeof(Node)); }
    static void freeBlock(void* block) { free(block); }
    static void zeroBlock(void* block) {
        if (block) memset(block, 0, sizeof(Node));
    }
};

}  // namespace s::map
