#pragma once
// What narrows a column of blocks at each height: floating images and tables, and list levels.
#include <cstdint>

#include "HTMLUn2/FreeList.h"
#include "Htmlsubs/FloatingObject.h"

// One narrowing of the column between YTop and YBottom (exclusive).
struct IndentRec {
    // From the manager's LeftEdge (left records, positive) or RightEdge (right records, zero or
    // negative) to the boundary.
    std::int32_t Edge = 0;
    std::int32_t YTop = 0;
    std::int32_t YBottom = 0;
    std::int32_t LevelId = 0;  // the list level it indents, 0 for a float
};

class IndentManager {
public:
    std::int32_t Width = 0;             // the width of the cell's last layout
    std::int32_t ClipWidth = 0;         // the width being painted
    TFreeList<IndentRec> LeftIndents;   // left floats and list levels
    TFreeList<IndentRec> RightIndents;  // right floats
    std::int32_t Level = 0;             // the current list level, 0 outside lists
    std::int32_t LeftEdge = 0;          // 0 during layout, the paint X while painting
    std::int32_t RightEdge = 0;         // the width during layout, X + Width while painting

    void Clear();
    // Moves the edges and goes back to level 0; the records stay.
    void Reset(std::int32_t Left, std::int32_t Right);

    std::int32_t LeftEdgeAt(std::int32_t Y) const;
    std::int32_t RightEdgeAt(std::int32_t Y) const;

    // An image aligned left or right starts floating at Y and learns its FloatX; other images
    // are not registered.
    void AddFloat(std::int32_t Y, TFloatingObj& Image);
    // A floating table: Side 1 left, 3 right; other sides register nothing.
    void AddBlock(std::int32_t Y, std::int32_t Width, std::int32_t Height, std::int32_t Side);

    // The largest YBottom of the floats of both sides, 0 when there are none; open list levels
    // are no floats.
    std::int32_t FloatBottom() const;
    // For each side one more than the largest YBottom of its floats, 0 when it has none.
    void ClearBottoms(std::int32_t& LeftBottom, std::int32_t& RightBottom) const;
    // The first Y below every left record reaching further right than the current level.
    std::int32_t LevelClearY() const;
    // Opens the levels up to NewLevel at Y, or closes those above it so they end at Y - 1.
    void SetLevel(std::int32_t Y, std::int32_t NewLevel);
};
