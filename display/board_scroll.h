#pragma once
// The board's vertical scroll bar: its position is the first entry drawn, and
// it never scrolls past the point where the last entry is on the last row.

namespace ksy {

// Largest scroll position: 0 when every entry fits.
inline int scrollMaximum(int entries, int visibleRows)
{
    return entries > visibleRows ? entries - visibleRows : 0;
}

inline bool scrollBarShown(int entries, int visibleRows)
{
    return entries > visibleRows;
}

inline int clampScrollPosition(int position, int entries, int visibleRows)
{
    const int maximum = scrollMaximum(entries, visibleRows);
    return position < 0 ? 0 : (position > maximum ? maximum : position);
}

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, Top, Bottom, Thumb };

// The new position after a scroll-bar action; `thumb` is used by Thumb only.
inline int applyScroll(int position, ScrollCode code, int thumb, int entries, int visibleRows)
{
    const int page = visibleRows > 0 ? visibleRows : 1;
    switch (code) {
    case ScrollCode::LineUp:
        position -= 1;
        break;
    case ScrollCode::LineDown:
        position += 1;
        break;
    case ScrollCode::PageUp:
        position -= page;
        break;
    case ScrollCode::PageDown:
        position += page;
        break;
    case ScrollCode::Top:
        position = 0;
        break;
    case ScrollCode::Bottom:
        position = scrollMaximum(entries, visibleRows);
        break;
    case ScrollCode::Thumb:
        position = thumb;
        break;
    }
    return clampScrollPosition(position, entries, visibleRows);
}

} // namespace ksy
