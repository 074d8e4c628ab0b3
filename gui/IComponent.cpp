#include "gui/IComponent.h"

namespace s::gui {

namespace {
int notNegative(int value) {
    return value < 0 ? 0 : value;
}
}  // namespace

IComponent::IComponent() {
    resetComponent();
}

void IComponent::resetComponent() {
    x_ = y_ = width_ = height_ = 0;
    minWidth_ = minHeight_ = prefWidth_ = prefHeight_ = 0;
    originX_ = originY_ = 0;
    // A native window starts with an empty rectangle at (0, 0).
    committedX_ = committedY_ = committedWidth_ = committedHeight_ = 0;
    visible_ = true;
    enabled_ = true;
    editable_ = true;
    acceptsWheel_ = false;
    foreground_ = RGB(0, 0, 0);
    background_ = RGB(0xF0, 0xF0, 0xF0);
    parent_ = nullptr;
}

void IComponent::setLocation(int x, int y) {
    x_ = x;
    y_ = y;
}

void IComponent::setSize(int width, int height) {
    width_ = clampWidth(width);
    height_ = clampHeight(height);
}

void IComponent::setExactSize(int width, int height) {
    width_ = notNegative(width);
    height_ = notNegative(height);
}

void IComponent::setMinimumSize(int width, int height) {
    minWidth_ = notNegative(width);
    minHeight_ = notNegative(height);
}

void IComponent::setPreferredSize(int width, int height) {
    prefWidth_ = notNegative(width);
    prefHeight_ = notNegative(height);
}

void IComponent::setOrigin(int originX, int originY) {
    originX_ = originX;
    originY_ = originY;
}

bool IComponent::isGeometryChanged() const {
    return committedX_ != originX_ + x_ || committedY_ != originY_ + y_ || committedWidth_ != width_ ||
           committedHeight_ != height_;
}

void IComponent::commit() {
    if (!isGeometryChanged()) return;
    if (moveNative(originX_ + x_, originY_ + y_, width_, height_))
        setCommittedGeometry(originX_ + x_, originY_ + y_, width_, height_);
}

void IComponent::setCommittedGeometry(int x, int y, int width, int height) {
    committedX_ = x;
    committedY_ = y;
    committedWidth_ = width;
    committedHeight_ = height;
}

}  // namespace s::gui
