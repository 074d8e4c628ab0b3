#pragma once
// IBox: the container component that places its children by one of four layout
// rules (row, column, flow, pile; gui/layout/LayoutRules.h), with margins, gaps
// and alignment, or by a layout manager set on it.
//
// This class holds the whole layout part and runs without native windows;
// s::gui::win::Box adds the native window.
//
// A layout pass (doLayout):
//  - does nothing while the box is being created, or when two passes of this box
//    are already running (a listener or child that lays the box out again);
//  - asks each child to measure itself (a child box runs its rule in measuring
//    mode: results only), unless the box's sizes are fixed;
//  - runs the rule over the inner size, which sizes each child once (a child box
//    then lays itself out) and records positions;
//  - commits: the outermost box of a pass moves every changed native window once,
//    recursively; a box laid out by its parent's pass leaves that to the parent;
//  - informs the layout listeners (event kind LAYOUT_EVENT).
// A box's own minimum and preferred sizes are its content results plus margins
// (or the size overrides where set).
#include "foundation/col/_array/ArrayP.h"
#include "gui/IContainer.h"
#include "gui/layout/LayoutRules.h"

namespace s::gui {

class ILayoutManager;

class IBox : public IContainer {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_IBox";
    // The event kind layout listeners receive after each pass.
    static constexpr int LAYOUT_EVENT = 3;

    IBox();
    ~IBox() override = default;

    // ---- Children
    int getComponentCount() const override { return static_cast<int>(children_.length()); }
    IComponent* getComponent(int i) const override;
    // Appends the child (not owned), sets its parent and gives it the margin
    // origin; a box with a native window creates the child's window and lays out.
    // False for null, for this box and for a box this one lies inside.
    virtual bool add(IComponent* component);
    bool isLayingOut() const override { return depth_ > 0; }

    // ---- Layout
    virtual void doLayout();
    void measure() override;
    // Sizes clamp as for every component; then the box lays itself out.
    void setSize(int width, int height) override;
    void setExactSize(int width, int height) override;
    // Sets the size inside the margins: the outer size is it plus the margins.
    void setInnerSize(int width, int height);
    int getInnerWidth() const;
    int getInnerHeight() const;
    // Commits this box's geometry, then every child's.
    void commit() override;
    // True while the box runs its rule in measuring mode (managers read it).
    bool isMeasuring() const { return measuring_; }

    // ---- Layout kind, manager, alignment, gaps
    int getLayoutKind() const { return kind_; }
    virtual void setLayoutRow() { kind_ = layout::LayoutRules::ROW; }
    virtual void setLayoutColumn() { kind_ = layout::LayoutRules::COLUMN; }
    virtual void setLayoutFlow() { kind_ = layout::LayoutRules::FLOW; }
    virtual void setLayoutPile() { kind_ = layout::LayoutRules::PILE; }
    // The manager set on the box or, when none is, the shared FlowH (which the box
    // does not run: without a manager the layout kind decides).
    ILayoutManager* getLayoutManager() const;
    bool hasLayoutManager() const { return manager_ != nullptr; }
    // Not owned; null returns to the layout kind.
    virtual void setLayoutManager(ILayoutManager* manager) { manager_ = manager; }
    int getHorizontalAlignment() const { return horizontalAlignment_; }
    int getVerticalAlignment() const { return verticalAlignment_; }
    virtual void setHorizontalAlignmentStart() { horizontalAlignment_ = layout::LayoutRules::START; }
    virtual void setHorizontalAlignmentCentre() { horizontalAlignment_ = layout::LayoutRules::CENTRE; }
    virtual void setHorizontalAlignmentEnd() { horizontalAlignment_ = layout::LayoutRules::END; }
    virtual void setVerticalAlignmentStart() { verticalAlignment_ = layout::LayoutRules::START; }
    virtual void setVerticalAlignmentCentre() { verticalAlignment_ = layout::LayoutRules::CENTRE; }
    virtual void setVerticalAlignmentEnd() { verticalAlignment_ = layout::LayoutRules::END; }
    int getHorizontalGap() const { return horizontalGap_; }
    int getVerticalGap() const { return verticalGap_; }
    // Negative gaps count as 0.
    virtual void setHorizontalGap(int gap);
    virtual void setVerticalGap(int gap);

    // ---- Margins: each setter gives every child the new origin (left, top).
    // Negative margins count as 0.
    int getLeftMargin() const { return leftMargin_; }
    int getRightMargin() const { return rightMargin_; }
    int getTopMargin() const { return topMargin_; }
    int getBottomMargin() const { return bottomMargin_; }
    virtual void setLeftMargin(int margin);
    virtual void setRightMargin(int margin);
    virtual void setTopMargin(int margin);
    virtual void setBottomMargin(int margin);
    virtual void setLeftRightMargins(int left, int right);
    virtual void setTopBottomMargins(int top, int bottom);
    virtual void setMargins(int left, int right, int top, int bottom);

    // ---- Results of the last pass (0 before the first and for an empty box)
    const layout::LayoutResults& getResults() const { return results_; }
    // Parameters of a pass over this box with the given alignment and gaps (the
    // managers pass 0s), for the inner size and measuring flag of the box.
    layout::LayoutParams makeParams(int kind, int horizontalAlignment, int verticalAlignment, int horizontalGap,
                                    int verticalGap) const;
    // Where a rule or manager reports what it found.
    void setResults(const layout::LayoutResults& results) { results_ = results; }

    // ---- Size overrides: -1 leaves the measured value; otherwise they replace the
    // box's measured minimum width/height or preferred width/height.
    void setSizeOverrides(int minWidth, int minHeight, int prefWidth, int prefHeight);
    int getMinimumWidthOverride() const { return minWidthOverride_; }
    int getMinimumHeightOverride() const { return minHeightOverride_; }
    int getPreferredWidthOverride() const { return prefWidthOverride_; }
    int getPreferredHeightOverride() const { return prefHeightOverride_; }

    // ---- Fixed sizes: the owner sets the box's minimum and preferred sizes; measuring
    // keeps them, and a pass neither measures the children nor commits them (the
    // owner commits).
    bool isFixedSize() const { return fixedSize_; }
    void setFixedSize(bool fixed) { fixedSize_ = fixed; }

    // ---- Layout listeners (not owned), informed after each pass
    bool addLayoutListener(events::IEventListener* listener);
    bool removeLayoutListener(events::IEventListener* listener);
    int getLayoutListenerCount() const { return static_cast<int>(listeners_.length()); }

    // While creating, doLayout does nothing (the native part sets it).
    bool isCreating() const { return creating_; }
    int getLayoutDepth() const { return depth_; }

protected:
    void setCreating(bool creating) { creating_ = creating; }
    // Back to the defaults of a new box; empties the lists (owning nothing).
    void resetBox();
    // Gives every child the margin origin.
    void tellChildrenOrigin();
    // A native box creates the child's window here; the plain box has none.
    virtual void attachChild(IComponent* component) {}

private:
    void runRule();
    void measureChildren();
    void informListeners();
    bool parentRunsPass() const;
    bool isSelfOrAncestor(const IComponent* component) const;

    col::_array::ArrayP children_;   // IComponent* as IObject*, not owned
    col::_array::ArrayP listeners_;  // IEventListener*, not owned
    int kind_;
    ILayoutManager* manager_;  // not owned; null: the layout kind decides
    int horizontalAlignment_, verticalAlignment_;
    int horizontalGap_, verticalGap_;
    int leftMargin_, rightMargin_, topMargin_, bottomMargin_;
    layout::LayoutResults results_;
    int minWidthOverride_, minHeightOverride_, prefWidthOverride_, prefHeightOverride_;
    bool fixedSize_;
    bool measuring_;
    bool creating_;
    int depth_;  // layout passes of this box now running
};

}  // namespace s::gui
