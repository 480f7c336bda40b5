#pragma once

#include <QRect>
#include <QRegion>
#include <cstdint>
#include <initializer_list>
#include <vector>

// How one part of a frame looks (a widget, a cell) and where on the surface it lies.
struct PartLook {
    uint64_t look = 0;
    QRect area;
    bool operator==(const PartLook&) const = default;
};

// What the surface holds and what the frame being drawn may change. A screen that knows
// what moved since its last frame draws only that part; any other drawing on the surface
// counts as changing all of it.
struct FramePlan {
    // Who drew the surface last and how everything that does not move looked then; an
    // empty owner means nobody knows.
    const void* owner = nullptr;
    std::vector<uint32_t> look;
    std::vector<PartLook> parts;
    // Open frame scopes: drawing inside one belongs to a planned frame.
    int scopes = 0;
    // Added by an overlay to the look of the frame it is drawn in.
    std::vector<uint32_t> overlayLook;
    // Set from a frame that draws only what moved until it is shown: drawing on the
    // surface stays inside area.
    bool limited = false;
    QRegion area;
    // What to show of the frame: everything, or only the damage.
    bool wholeDamage = true;
    QRegion damage;
};

// Starts a frame of owner's, inside a frame scope; the owner then draws as for a whole
// frame. While the surface still shows owner's last frame drawn with this look (and the
// overlay's) and parts as many, that drawing stays inside moved and the areas of the parts
// that look different, before and now, until the frame is shown, and only that is shown.
// Any other frame is drawn and shown whole, and so is every frame with the caches off, so
// that tests can draw frames both ways.
void PlanFrame(const void* owner, std::vector<uint32_t> look, const QRegion& moved,
               std::vector<PartLook> parts = {});

// An overlay drawn over another screen's frame (a dialog over the board) tells how it
// looks before that screen resumes its frame, so that a change of the overlay draws the
// frame whole.
void AddOverlayLook(std::initializer_list<uint32_t> look);

// The surface no longer shows a known frame: the whole of it is shown, and the next frame
// is drawn whole.
void InvalidateFrame();
