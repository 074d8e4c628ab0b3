#include "gui/IBox.h"

#include "gui/ILayoutManager.h"
#include "gui/layout/FlowH.h"

namespace s::gui {

namespace {
int notNegative(int value) {
    return value < 0 ? 0 : value;
}
int plusMargins(int content, int marginA, int marginB) {
    const long long total = static_cast<long long>(content) + marginA + marginB;
    return total > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(total);
}
}  // namespace

IBox::IBox() {
    resetBox();
}

void IBox::resetBox() {
    resetComponent();
    children_.disposeAll();
    listeners_.disposeAll();
    kind_ = layout::LayoutRules::COLUMN;
    manager_ = nullptr;
    horizontalAlignment_ = verticalAlignment_ = layout::LayoutRules::START;
    horizontalGap_ = verticalGap_ = 0;
    leftMargin_ = rightMargin_ = topMargin_ = bottomMargin_ = 0;
    results_ = layout::LayoutResults{0, 0, 0, 0};
    minWidthOverride_ = minHeightOverride_ = prefWidthOverride_ = prefHeightOverride_ = -1;
    fixedSize_ = false;
    measuring_ = false;
    creating_ = false;
    depth_ = 0;
}

IComponent* IBox::getComponent(int i) const {
    if (i < 0 || i >= getComponentCount()) return nullptr;
    return static_cast<IComponent*>(children_.objectAt(static_cast<uint32_t>(i)));
}

bool IBox::add(IComponent* component) {
    if (!component || isSelfOrAncestor(component) || !children_.addObject(component)) return false;
    component->setParent(this);
    component->setOrigin(leftMargin_, topMargin_);
    attachChild(component);
    return true;
}

// A box inside itself would measure and lay out forever.
bool IBox::isSelfOrAncestor(const IComponent* component) const {
    for (const IComponent* box = this; box; box = box->getParent())
        if (box == component) return true;
    return false;
}

// ---- Layout

void IBox::doLayout() {
    if (creating_ || depth_ > 1) return;
    ++depth_;
    if (!fixedSize_) measureChildren();
    runRule();
    // A box laid out by its parent's pass is committed by that parent, once.
    if (!fixedSize_ && !parentRunsPass()) {
        for (int i = 0; i < getComponentCount(); ++i) getComponent(i)->commit();
    }
    // Still counted as running: a listener that lays this box out again gets one
    // more pass, and that pass's listeners get none.
    informListeners();
    --depth_;
}

void IBox::measure() {
    if (fixedSize_ || depth_ > 1) return;
    measureChildren();
    measuring_ = true;
    runRule();
    measuring_ = false;
    const int minWidth =
        minWidthOverride_ >= 0 ? minWidthOverride_ : plusMargins(results_.minWidth, leftMargin_, rightMargin_);
    const int minHeight =
        minHeightOverride_ >= 0 ? minHeightOverride_ : plusMargins(results_.minHeight, topMargin_, bottomMargin_);
    const int prefWidth =
        prefWidthOverride_ >= 0 ? prefWidthOverride_ : plusMargins(results_.prefWidth, leftMargin_, rightMargin_);
    const int prefHeight =
        prefHeightOverride_ >= 0 ? prefHeightOverride_ : plusMargins(results_.prefHeight, topMargin_, bottomMargin_);
    setMinimumSize(minWidth, minHeight);
    setPreferredSize(prefWidth, prefHeight);
}

void IBox::runRule() {
    results_ = layout::LayoutResults{0, 0, 0, 0};
    if (manager_) {
        manager_->layout(this);
        return;
    }
    results_ = layout::LayoutRules::run(
        *this, makeParams(kind_, horizontalAlignment_, verticalAlignment_, horizontalGap_, verticalGap_));
}

void IBox::measureChildren() {
    for (int i = 0; i < getComponentCount(); ++i) getComponent(i)->measure();
}

void IBox::informListeners() {
    // The count is read again after each call: a listener may add listeners.
    for (uint32_t i = 0; i < listeners_.length(); ++i)
        static_cast<events::IEventListener*>(listeners_.get(i))->onEvent(this, LAYOUT_EVENT);
}

bool IBox::parentRunsPass() const {
    const IContainer* parent = getParent();
    return parent && parent->isLayingOut();
}

layout::LayoutParams IBox::makeParams(int kind, int horizontalAlignment, int verticalAlignment, int horizontalGap,
                                      int verticalGap) const {
    return layout::LayoutParams{kind,        horizontalAlignment, verticalAlignment, horizontalGap,
                                verticalGap, getInnerWidth(),     getInnerHeight(),  measuring_};
}

void IBox::setSize(int width, int height) {
    IComponent::setSize(width, height);
    doLayout();
}

void IBox::setExactSize(int width, int height) {
    IComponent::setExactSize(width, height);
    doLayout();
}

void IBox::setInnerSize(int width, int height) {
    setExactSize(plusMargins(notNegative(width), leftMargin_, rightMargin_),
                 plusMargins(notNegative(height), topMargin_, bottomMargin_));
}

int IBox::getInnerWidth() const {
    return notNegative(getWidth() - leftMargin_ - rightMargin_);
}

int IBox::getInnerHeight() const {
    return notNegative(getHeight() - topMargin_ - bottomMargin_);
}

void IBox::commit() {
    IComponent::commit();
    for (int i = 0; i < getComponentCount(); ++i) getComponent(i)->commit();
}

ILayoutManager* IBox::getLayoutManager() const {
    if (manager_) return manager_;
    // One FlowH for every box that has no manager; taken once, never released.
    static layout::FlowH* const shared = layout::FlowH::acquire();
    return shared;
}

void IBox::setHorizontalGap(int gap) {
    horizontalGap_ = notNegative(gap);
}

void IBox::setVerticalGap(int gap) {
    verticalGap_ = notNegative(gap);
}

// ---- Margins

void IBox::setLeftMargin(int margin) {
    setMargins(margin, rightMargin_, topMargin_, bottomMargin_);
}

void IBox::setRightMargin(int margin) {
    setMargins(leftMargin_, margin, topMargin_, bottomMargin_);
}

void IBox::setTopMargin(int margin) {
    setMargins(leftMargin_, rightMargin_, margin, bottomMargin_);
}

void IBox::setBottomMargin(int margin) {
    setMargins(leftMargin_, rightMargin_, topMargin_, margin);
}

void IBox::setLeftRightMargins(int left, int right) {
    setMargins(left, right, topMargin_, bottomMargin_);
}

void IBox::setTopBottomMargins(int top, int bottom) {
    setMargins(leftMargin_, rightMargin_, top, bottom);
}

void IBox::setMargins(int left, int right, int top, int bottom) {
    leftMargin_ = notNegative(left);
    rightMargin_ = notNegative(right);
    topMargin_ = notNegative(top);
    bottomMargin_ = notNegative(bottom);
    tellChildrenOrigin();
}

void IBox::tellChildrenOrigin() {
    for (int i = 0; i < getComponentCount(); ++i) getComponent(i)->setOrigin(leftMargin_, topMargin_);
}

void IBox::setSizeOverrides(int minWidth, int minHeight, int prefWidth, int prefHeight) {
    minWidthOverride_ = minWidth < 0 ? -1 : minWidth;
    minHeightOverride_ = minHeight < 0 ? -1 : minHeight;
    prefWidthOverride_ = prefWidth < 0 ? -1 : prefWidth;
    prefHeightOverride_ = prefHeight < 0 ? -1 : prefHeight;
}

// ---- Listeners

bool IBox::addLayoutListener(events::IEventListener* listener) {
    return listener && listeners_.add(static_cast<void*>(listener));
}

bool IBox::removeLayoutListener(events::IEventListener* listener) {
    return listeners_.remove(static_cast<void*>(listener));
}

}  // namespace s::gui
