#pragma once
// A dialog is laid out for its English texts. Where another language's
// text is wider than the place the layout gives it, the dialog widens at
// that place the way a column of a table does: at the place's right edge
// the layout is cut and pulled apart. Everything right of the cut moves
// right, everything across it grows, and the window grows by as much.
//
// Layout positions map to stretched ones by one rule for every edge: a
// position moves right by the extra of every cut at or left of it. So a
// control starting at a cut moves, and a control ending at it (the one
// whose text needed the room, and the others of its column) grows.
#include <algorithm>
#include <vector>

struct LayoutCut {
  int at = 0;     // the layout position of the cut, in 96-DPI pixels
  int extra = 0;  // how far the layout is pulled apart there
  bool operator==(const LayoutCut&) const = default;
};

// The cuts of one dialog, ordered by position, one per position.
struct ColumnStretch {
  std::vector<LayoutCut> cuts;
  bool operator==(const ColumnStretch&) const = default;
};

// Pulls the layout apart at `cut.at` by `cut.extra`; a cut already there
// keeps the larger extra.
inline void widenAt(ColumnStretch& stretch, LayoutCut cut) {
  auto at = std::lower_bound(stretch.cuts.begin(), stretch.cuts.end(), cut.at,
                             [](const LayoutCut& c, int position) { return c.at < position; });
  if (at != stretch.cuts.end() && at->at == cut.at)
    at->extra = std::max(at->extra, cut.extra);
  else
    stretch.cuts.insert(at, cut);
}

// A control from `x` and `width` across whose text needs `needed`: where
// that is more than its width, a cut at its right edge gives the rest.
inline void needRoom(ColumnStretch& stretch, int x, int width, int needed) {
  if (needed > width) widenAt(stretch, {x + width, needed - width});
}

// Where layout position `x` stands once stretched.
inline int stretchedPosition(const ColumnStretch& stretch, int x) {
  int moved = x;
  for (const LayoutCut& cut : stretch.cuts)
    if (cut.at <= x) moved += cut.extra;
  return moved;
}

// The stretch that gives every text the larger room of `a` and `b`: a
// dialog only ever widens while it is open, so that nothing the author is
// looking at jumps back.
inline ColumnStretch widerOf(const ColumnStretch& a, const ColumnStretch& b) {
  ColumnStretch both = a;
  for (const LayoutCut& cut : b.cuts) widenAt(both, cut);
  return both;
}
