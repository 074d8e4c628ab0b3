#pragma once
// Skinner: a skin set. It has a family name, the skins a window may choose from
// in their order, the parallel list of their names for lookup, and the index
// of the selected skin. The set owns its skins.
//
// A window is given the set and a default skin name; the user's choice is
// stored by name and looked up with findSkin, a name the set does not hold
// giving the default skin (indexOrDefault). Names match exactly, letter case
// included: they are stored as the set wrote them.
#include <cstdint>

#include "foundation/col/_array/ArrayP.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::gui::drawer {

class ISkin;

class Skinner : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(Skinner, L"s_gui_drawer_Skinner")

public:
    Skinner();
    // Releases every skin.
    ~Skinner() override;
    Skinner(const Skinner&) = delete;
    Skinner& operator=(const Skinner&) = delete;

    // Never null: "" before a family name is set.
    const wchar_t* getFamily() const;
    bool setFamily(const wchar_t* family);

    // Appends the skin and its name; the set owns the skin from now on, also
    // when adding fails (it is released then). False for null or on failure.
    bool addSkin(ISkin* skin);
    // The index of the first skin named `name`; false with -1 when none is.
    bool findSkin(const wchar_t* name, int32_t& index) const;
    // findSkin(name), else the index of `defaultName`, else the first skin;
    // -1 only for an empty set.
    int32_t indexOrDefault(const wchar_t* name, const wchar_t* defaultName) const;

    int32_t count() const { return int32_t(skins_.length()); }
    // The skin at `index` (still owned by the set); null out of range.
    ISkin* skin(int32_t index) const;

    // -1 while nothing is selected.
    int32_t getSelection() const { return selection_; }
    // False, and the selection kept, for an index out of range.
    bool setSelection(int32_t index);
    // The selected skin, null while nothing is selected.
    ISkin* selectedSkin() const { return skin(selection_); }

    // Releases every skin and name, forgets the family and the selection.
    void reset() override;

private:
    void releaseAll();

    str::strbuffer::StrBuffer family_;
    col::_array::ArrayP skins_;  // owns its ISkin elements (pooled, released here), stored as IObject
    col::_array::ArrayP names_;  // owns its StrBuffer elements (pooled), parallel to skins_
    int32_t selection_;
};

}  // namespace s::gui::drawer
