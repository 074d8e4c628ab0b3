#include "xml/AttrFactory.h"

#include <cstdlib>
#include <new>

namespace s::xml {

namespace {

// Drains the shared factory when the exit list reaches it.
class SharedFactoryCloser {
public:
    explicit SharedFactoryCloser(AttrFactory* factory) : factory_(factory) {}
    ~SharedFactoryCloser() { factory_->close(); }
    SharedFactoryCloser(const SharedFactoryCloser&) = delete;
    SharedFactoryCloser& operator=(const SharedFactoryCloser&) = delete;

private:
    AttrFactory* factory_;  // not owned: lives in static storage for the whole run
};

void freeBlocks(AttrRecord* record) {
    free(record->name);
    free(record->value);
}

}  // namespace

AttrFactory::AttrFactory() = default;

AttrFactory::~AttrFactory() {
    drain();
}

AttrFactory& AttrFactory::shared() {
    alignas(AttrFactory) static unsigned char storage[sizeof(AttrFactory)];
    static AttrFactory* const factory = new (storage) AttrFactory();
    static SharedFactoryCloser closer(factory);
    return *factory;
}

AttrFactory* AttrFactory::newInstance() const {
    return new (std::nothrow) AttrFactory();
}

void* AttrFactory::generate() {
    return calloc(1, sizeof(AttrRecord));
}

void AttrFactory::resetItem(void* item) {
    if (!item) return;
    AttrRecord* record = static_cast<AttrRecord*>(item);
    freeBlocks(record);
    *record = AttrRecord{};
}

void AttrFactory::destroyItem(void* item) {
    if (!item) return;
    freeBlocks(static_cast<AttrRecord*>(item));
    free(item);
}

void AttrFactory::close() {
    locker_.lock();
    maxFree_ = -1;  // "count <= -1" never holds: every later release destroys
    locker_.unlock();
    drain();
}

}  // namespace s::xml
