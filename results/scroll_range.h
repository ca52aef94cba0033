#pragma once
// A scroll bar of the result dialogs: hidden or shown with a range 0..max.
// A line move goes one step within the range, a page move jumps to an end,
// the thumb sets the position.

namespace ksy {

enum class ScrollMove { LineUp, LineDown, PageUp, PageDown, Thumb };

struct ScrollRange {
    bool shown = false;
    int maximum = 0;
    int position = 0;

    // A bar shown only when `count` reaches `shownFrom`, with the range
    // 0 .. count - `visibleBack`.
    static ScrollRange of(int count, int shownFrom, int visibleBack)
    {
        ScrollRange r;
        r.shown = count >= shownFrom;
        r.maximum = r.shown ? count - visibleBack : 0;
        if (r.maximum < 0)
            r.maximum = 0;
        return r;
    }

    // True when the position changed (the view is then redrawn).
    bool move(ScrollMove how, int thumb = 0)
    {
        int next = position;
        switch (how) {
        case ScrollMove::LineUp:
            next = position - 1;
            break;
        case ScrollMove::LineDown:
            next = position + 1;
            break;
        case ScrollMove::PageUp:
            next = 0;
            break;
        case ScrollMove::PageDown:
            next = maximum;
            break;
        case ScrollMove::Thumb:
            next = thumb;
            break;
        }
        next = next < 0 ? 0 : (next > maximum ? maximum : next);
        const bool changed = next != position;
        position = next;
        return changed;
    }
};

} // namespace ksy
