#pragma once
// TargetListener: the base of the shipped listeners. It watches one source
// component and, on any event it is subscribed to whose source is that
// component, acts on each of its target components in list order. Events of any
// other source are ignored. Neither the source nor the targets are owned.
#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/thread/IPoolable.h"
#include "gui/IComponent.h"
#include "gui/events/IEventListener.h"

namespace s::gui::events {

class TargetListener : public IEventListener, public base::IObject, public thread::IPoolable {
public:
    TargetListener() : source_(nullptr), targets_(col::_array::ArrayP::acquire()) {}
    ~TargetListener() override {
        if (targets_) targets_->release();
    }
    TargetListener(const TargetListener&) = delete;
    TargetListener& operator=(const TargetListener&) = delete;

    void setSource(IComponent* source) { source_ = source; }
    IComponent* getSource() const { return source_; }
    bool addTarget(IComponent* target) { return target && targets_ && targets_->addObject(target); }
    int getTargetCount() const { return targets_ ? int(targets_->length()) : 0; }
    IComponent* getTarget(int i) const {
        return i >= 0 && i < getTargetCount() ? static_cast<IComponent*>(targets_->objectAt(uint32_t(i))) : nullptr;
    }

    void onEvent(IComponent* source, int kind) override {
        if (!source || source != source_) return;
        for (int i = 0; i < getTargetCount(); ++i) apply(getTarget(i));
    }
    // No source, no targets.
    void reset() override {
        source_ = nullptr;
        if (targets_) targets_->reset();
    }

protected:
    virtual void apply(IComponent* target) = 0;

private:
    IComponent* source_;              // not owned
    col::_array::ArrayP* targets_;    // owned list; the targets are not owned
};

}  // namespace s::gui::events
