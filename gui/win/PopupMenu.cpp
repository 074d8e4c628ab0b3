#include "gui/win/PopupMenu.h"

#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"
#include "gui/IWindow.h"
#include "gui/menuitem/MenuItem.h"
#include "lang/Localizer.h"

namespace s::gui::win {

using menuitem::MenuItem;

S_POOLED_CLASS_IMPL(PopupMenu, thread::EasyPooler::DEFAULT_CAPACITY)

PopupMenu::PopupMenu()
    : menu_(nullptr),
      localizer_(nullptr),
      title_(str::strbuffer::StrBuffer::acquire()),
      titleId_(MenuItem::NONE),
      name_(str::strbuffer::StrBuffer::acquire()),
      window_(nullptr),
      chosen_(MenuItem::NONE) {}

PopupMenu::~PopupMenu() {
    releaseContents();
    if (title_) title_->release();
    if (name_) name_->release();
}

void PopupMenu::reset() {
    releaseContents();
    if (title_) title_->clear();
    if (name_) name_->clear();
    titleId_ = MenuItem::NONE;
    window_ = nullptr;
    chosen_ = MenuItem::NONE;
}

void PopupMenu::releaseContents() {
    if (localizer_) localizer_->removeListener(this);
    localizer_ = nullptr;
    // Submenus leave the native menu first: destroying it would destroy them too.
    for (uint32_t i = 0; i < submenus_.length(); ++i) {
        const int position = positionOfSubmenu(submenuAt(i));
        if (position >= 0) RemoveMenu(menu_, UINT(position), MF_BYPOSITION);
        submenuAt(i)->release();
    }
    for (uint32_t i = 0; i < items_.length(); ++i) itemAt(i)->release();
    submenus_.clear();
    items_.clear();
    openingListeners_.clear();
    choiceListeners_.clear();
    if (menu_) DestroyMenu(menu_);
    menu_ = nullptr;
}

MenuItem* PopupMenu::itemAt(uint32_t i) const { return items_.getAs<MenuItem>(i); }

// What the native menu shows for an item: its own check mark, or the radio mark.
bool PopupMenu::shownChecked(const MenuItem* item) {
    return item->isChecked() || item->isRadioChecked();
}

void PopupMenu::showCheck(const MenuItem* item) {
    CheckMenuItem(menu_, UINT(item->getCommandId()), MF_BYCOMMAND | (shownChecked(item) ? MF_CHECKED : MF_UNCHECKED));
}

PopupMenu* PopupMenu::submenuAt(uint32_t i) const {
    return static_cast<PopupMenu*>(static_cast<IComponent*>(submenus_.getAs<base::IObject>(i)));
}

bool PopupMenu::ensureMenu() {
    if (!menu_) menu_ = CreatePopupMenu();
    return menu_ != nullptr;
}

// ---- Building

bool PopupMenu::addNative(int position, const MenuItem* item) {
    const UINT where = position < 0 ? UINT(-1) : UINT(position);
    if (item->isSeparator()) return InsertMenuW(menu_, where, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr) != 0;
    if (!InsertMenuW(menu_, where, MF_BYPOSITION | MF_STRING, UINT_PTR(item->getCommandId()), item->getText()))
        return false;
    if (item->isChecked()) CheckMenuItem(menu_, UINT(item->getCommandId()), MF_BYCOMMAND | MF_CHECKED);
    return true;
}

bool PopupMenu::append(MenuItem* item) { return insert(getItemCount(), item); }

bool PopupMenu::insert(int position, MenuItem* item) {
    if (!item) return false;
    item->refreshText();
    if (!ensureMenu()) {
        item->release();
        return false;
    }
    const uint32_t index = itemIndexAt(position);
    base::IObject* object = item;
    if (!items_.insert(index, &object, 1)) {
        item->release();
        return false;
    }
    if (addNative(position, item)) return true;
    items_.removeRange(index, 1);
    item->release();
    return false;
}

bool PopupMenu::appendSubmenu(PopupMenu* menu) {
    if (!menu || menu == this) return false;
    menu->refreshTitle();
    if (!ensureMenu() || !menu->ensureMenu() ||
        !AppendMenuW(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu->menu_), menu->getTitle())) {
        menu->release();
        return false;
    }
    if (submenus_.addObject(static_cast<IComponent*>(menu))) return true;
    RemoveMenu(menu_, UINT(GetMenuItemCount(menu_) - 1), MF_BYPOSITION);
    menu->release();
    return false;
}

bool PopupMenu::removeItem(int commandId) {
    MenuItem* item = ownItem(commandId);
    if (!item) return false;
    DeleteMenu(menu_, UINT(commandId), MF_BYCOMMAND);
    items_.remove(static_cast<base::IObject*>(item));
    item->release();
    return true;
}

void PopupMenu::setLocalizer(lang::Localizer* localizer) {
    if (localizer == localizer_) return;
    if (localizer_) localizer_->removeListener(this);
    localizer_ = localizer;
    if (localizer_) localizer_->addListener(this);
}

void PopupMenu::setTitle(const wchar_t* title) {
    if (title_) title_->set(title ? title : L"");
}

void PopupMenu::setTitleId(int textId) {
    titleId_ = textId;
    refreshTitle();
}

void PopupMenu::refreshTitle() {
    if (titleId_ != MenuItem::NONE && localizer_) setTitle(localizer_->getText(titleId_));
}

const wchar_t* PopupMenu::getTitle() const { return title_ ? title_->c_str() : L""; }

void PopupMenu::setName(const wchar_t* name) {
    if (name_) name_->set(name ? name : L"");
}

const wchar_t* PopupMenu::getName() const { return name_ ? name_->c_str() : L""; }

// ---- Finding items

MenuItem* PopupMenu::ownItem(int commandId) const {
    if (commandId == MenuItem::NONE) return nullptr;
    for (uint32_t i = 0; i < items_.length(); ++i)
        if (!itemAt(i)->isSeparator() && itemAt(i)->getCommandId() == commandId) return itemAt(i);
    return nullptr;
}

PopupMenu* PopupMenu::holderOf(int commandId) {
    if (ownItem(commandId)) return this;
    for (uint32_t i = 0; i < submenus_.length(); ++i)
        if (PopupMenu* holder = submenuAt(i)->holderOf(commandId)) return holder;
    return nullptr;
}

MenuItem* PopupMenu::findItem(int commandId) const {
    PopupMenu* holder = const_cast<PopupMenu*>(this)->holderOf(commandId);
    return holder ? holder->ownItem(commandId) : nullptr;
}

// The native menu holds the items and the submenus; the item list only the
// items, in the same order. An item put at a native position therefore goes
// after the items that come before that position.
uint32_t PopupMenu::itemIndexAt(int position) const {
    const int count = getItemCount();
    const int end = position < 0 || position > count ? count : position;
    uint32_t before = 0;
    for (int i = 0; i < end; ++i)
        if (!GetSubMenu(menu_, i)) ++before;
    return before < items_.length() ? before : items_.length();
}

int PopupMenu::positionOfIndex(uint32_t index) const {
    const int count = getItemCount();
    uint32_t seen = 0;
    for (int i = 0; i < count; ++i) {
        if (GetSubMenu(menu_, i)) continue;
        if (seen == index) return i;
        ++seen;
    }
    return -1;
}

int PopupMenu::positionOf(int commandId) const {
    const int count = getItemCount();
    for (int i = 0; i < count; ++i)
        if (GetMenuItemID(menu_, i) == UINT(commandId)) return i;
    return -1;
}

int PopupMenu::positionOfSubmenu(const PopupMenu* submenu) const {
    const int count = getItemCount();
    for (int i = 0; i < count; ++i)
        if (submenu->menu_ && GetSubMenu(menu_, i) == submenu->menu_) return i;
    return -1;
}

int PopupMenu::getItemCount() const { return menu_ ? GetMenuItemCount(menu_) : 0; }

// ---- Item state

bool PopupMenu::isChecked(int commandId) const {
    const MenuItem* item = findItem(commandId);
    return item && shownChecked(item);
}

bool PopupMenu::setEnabled(int commandId, bool enabled) {
    PopupMenu* holder = holderOf(commandId);
    if (!holder) return false;
    EnableMenuItem(holder->menu_, UINT(commandId), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    return true;
}

bool PopupMenu::setChecked(int commandId, bool checked) {
    PopupMenu* holder = holderOf(commandId);
    if (!holder) return false;
    MenuItem* item = holder->ownItem(commandId);
    item->setChecked(checked);
    // Unchecked means no mark at all: a radio mark left on would still show.
    if (!checked) item->setRadioChecked(false);
    holder->showCheck(item);
    return true;
}

// The radio group spans the whole menu, so the system takes every other check
// mark off as well; items with a check mark of their own get it back, and each
// item's marks and what the menu shows stay the same.
void PopupMenu::checkRadio(int position) {
    const int count = getItemCount();
    const bool marked = position >= 0 && position < count;
    if (marked) CheckMenuRadioItem(menu_, 0, UINT(count - 1), UINT(position), MF_BYPOSITION);
    const UINT markedId = marked ? GetMenuItemID(menu_, position) : UINT(-1);
    for (uint32_t i = 0; i < items_.length(); ++i) {
        MenuItem* item = itemAt(i);
        if (item->isSeparator() || item->getCommandId() == MenuItem::NONE) continue;
        item->setRadioChecked(marked && UINT(item->getCommandId()) == markedId);
        showCheck(item);
    }
}

bool PopupMenu::checkRadioById(int commandId) {
    const int position = ownItem(commandId) ? positionOf(commandId) : -1;
    if (position < 0) return false;
    checkRadio(position);
    return true;
}

// By the item itself: also for an item whose command id another item shares.
bool PopupMenu::checkRadioByItem(const MenuItem* item) {
    for (uint32_t i = 0; i < items_.length(); ++i) {
        if (itemAt(i) != item) continue;
        if (item->isSeparator() || item->getCommandId() == MenuItem::NONE) return false;
        const int position = positionOfIndex(i);
        if (position < 0) return false;
        checkRadio(position);
        return true;
    }
    return false;
}

bool PopupMenu::setText(int commandId, const wchar_t* text) {
    PopupMenu* holder = holderOf(commandId);
    if (!holder) return false;
    MenuItem* item = holder->ownItem(commandId);
    item->setText(text);
    holder->rewriteItem(item);
    return true;
}

// Rewrites the item's text in place. ModifyMenu replaces the item's whole state:
// a greyed item is rewritten greyed, and the marks are put back afterwards.
void PopupMenu::rewriteItem(const MenuItem* item) {
    const UINT id = UINT(item->getCommandId());
    const UINT state = GetMenuState(menu_, id, MF_BYCOMMAND);
    const UINT greyed = state == UINT(-1) ? 0 : state & (MF_GRAYED | MF_DISABLED);
    ModifyMenuW(menu_, id, MF_BYCOMMAND | MF_STRING | greyed, id, item->getText());
    if (item->isChecked()) CheckMenuItem(menu_, id, MF_BYCOMMAND | MF_CHECKED);
    if (!item->isRadioChecked()) return;
    const int position = positionOf(item->getCommandId());
    if (position >= 0) CheckMenuRadioItem(menu_, UINT(position), UINT(position), UINT(position), MF_BYPOSITION);
}

void PopupMenu::retitle(PopupMenu* submenu) {
    submenu->refreshTitle();
    const int position = positionOfSubmenu(submenu);
    if (position < 0) return;
    ModifyMenuW(menu_, UINT(position), MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu->menu_),
                submenu->getTitle());
}

void PopupMenu::languageChanged(lang::Localizer* localizer, int32_t kind) {
    if (localizer != localizer_ || !menu_) return;
    for (uint32_t i = 0; i < items_.length(); ++i) {
        MenuItem* item = itemAt(i);
        if (item->isSeparator()) continue;
        item->refreshText();
        rewriteItem(item);
    }
    for (uint32_t i = 0; i < submenus_.length(); ++i) retitle(submenuAt(i));
}

// ---- Listeners, opening and showing

bool PopupMenu::addOpeningListener(events::IEventListener* listener) {
    return listener && openingListeners_.add(listener);
}

bool PopupMenu::addChoiceListener(events::IEventListener* listener) {
    return listener && choiceListeners_.add(listener);
}

void PopupMenu::raise(const col::_array::ArrayP& listeners, int kind) {
    // A listener may add listeners: the length is read again after each call.
    for (uint32_t i = 0; i < listeners.length(); ++i)
        static_cast<events::IEventListener*>(listeners.get(i))->onEvent(this, kind);
}

bool PopupMenu::runCommand(int commandId) {
    if (!holdsCommand(commandId)) return false;
    chosen_ = commandId;
    raise(choiceListeners_, CHOSEN_EVENT);
    return true;
}

void PopupMenu::open(IWindow* window) {
    window_ = window;
    if (window) markOwner(window->getHandle());
    raise(openingListeners_, OPENING_EVENT);
}

bool PopupMenu::showAt(int x, int y, HWND owner, UINT flags) {
    if (!ensureMenu()) return false;
    markOwner(owner);
    return TrackPopupMenu(menu_, flags, x, y, 0, owner, nullptr) != 0;
}

// The window class hands WM_INITMENUPOPUP of a popup to the window its menu data
// names, whichever window the menu is tracked on; submenus carry it too, since
// each of them raises its own WM_INITMENUPOPUP when it opens.
void PopupMenu::markOwner(HWND owner) {
    if (!menu_) return;
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = reinterpret_cast<ULONG_PTR>(owner);
    SetMenuInfo(menu_, &info);
    for (uint32_t i = 0; i < submenus_.length(); ++i) submenuAt(i)->markOwner(owner);
}

}  // namespace s::gui::win
