#include "gui/menuitem/MenuItem.h"

#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"
#include "lang/Localizer.h"

namespace s::gui::menuitem {

S_POOLED_CLASS_IMPL(MenuItem, thread::EasyPooler::DEFAULT_CAPACITY)

MenuItem::MenuItem() : text_(str::strbuffer::StrBuffer::acquire()), attachment_(nullptr) { reset(); }

MenuItem::~MenuItem() {
    if (text_) text_->release();
    if (attachment_) attachment_->release();
}

void MenuItem::reset() {
    localizer_ = nullptr;
    if (text_) text_->clear();
    textId_ = NONE;
    commandId_ = NONE;
    checked_ = radioChecked_ = separator_ = false;
    setAttachment(nullptr);
}

MenuItem* MenuItem::newSeparator() {
    MenuItem* item = acquire();
    if (item) item->separator_ = true;
    return item;
}

MenuItem* MenuItem::newText(int textId, lang::Localizer* localizer, int commandId, bool checked) {
    MenuItem* item = acquire();
    if (!item) return nullptr;
    item->textId_ = textId;
    item->localizer_ = localizer;
    item->commandId_ = commandId;
    item->checked_ = checked;
    item->refreshText();
    return item;
}

MenuItem* MenuItem::newLiteral(const wchar_t* text, int commandId, bool checked) {
    MenuItem* item = acquire();
    if (!item) return nullptr;
    item->setText(text);
    item->commandId_ = commandId;
    item->checked_ = checked;
    return item;
}

void MenuItem::refreshText() {
    if (textId_ != NONE && localizer_ && text_) text_->set(localizer_->getText(textId_));
}

const wchar_t* MenuItem::getText() const { return text_ ? text_->c_str() : L""; }

void MenuItem::setText(const wchar_t* text) {
    if (text_) text_->set(text ? text : L"");
    refreshText();
}

void MenuItem::setAttachment(thread::IPoolable* attachment) {
    if (attachment_ && attachment_ != attachment) attachment_->release();
    attachment_ = attachment;
}

}  // namespace s::gui::menuitem
