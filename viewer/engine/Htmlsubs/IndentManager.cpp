#include "Htmlsubs/IndentManager.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

namespace {

constexpr std::int32_t kOpenLevelBottom = 9999999;
constexpr std::int32_t kLevelIndent = 35;
constexpr std::uint8_t kAlignLeft = 3;
constexpr std::uint8_t kAlignRight = 4;
constexpr std::int32_t kSideLeft = 1;
constexpr std::int32_t kSideRight = 3;

// Sizes come from document attributes, so their sums stop at the ends of the 32-bit range
// rather than wrap.
std::int32_t Saturated(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void AddRecord(TFreeList<IndentRec>& records, std::int32_t edge, std::int32_t yTop,
               std::int64_t yBottom, std::int32_t levelId) {
    records.Add(std::make_unique<IndentRec>(IndentRec{edge, yTop, Saturated(yBottom), levelId}));
}

// The boundary's offset at Y: the most narrowing Edge of the records covering Y, 0 when none.
template <class Narrower>
std::int32_t EdgeAt(const TFreeList<IndentRec>& records, std::int32_t Y, Narrower narrower) {
    std::optional<std::int32_t> edge;
    for (std::size_t i = 0; i < records.Count(); ++i) {
        const IndentRec& record = *records[i];
        if (record.YTop <= Y && Y < record.YBottom && (!edge || narrower(record.Edge, *edge)))
            edge = record.Edge;
    }
    return edge.value_or(0);
}

std::int32_t LeftOffsetAt(const TFreeList<IndentRec>& records, std::int32_t Y) {
    return EdgeAt(records, Y, [](std::int32_t a, std::int32_t b) { return a > b; });
}

std::int32_t RightOffsetAt(const TFreeList<IndentRec>& records, std::int32_t Y) {
    return EdgeAt(records, Y, [](std::int32_t a, std::int32_t b) { return a < b; });
}

// The largest YBottom of the records that qualify, none when no record does.
template <class Qualifies>
std::optional<std::int32_t> LargestBottom(const TFreeList<IndentRec>& records,
                                          Qualifies qualifies) {
    std::optional<std::int32_t> bottom;
    for (std::size_t i = 0; i < records.Count(); ++i) {
        const IndentRec& record = *records[i];
        if (qualifies(record) && (!bottom || record.YBottom > *bottom)) bottom = record.YBottom;
    }
    return bottom;
}

bool IsFloat(const IndentRec& record) { return record.LevelId == 0; }

std::int32_t ClearBottomOf(const TFreeList<IndentRec>& records) {
    const std::optional<std::int32_t> bottom = LargestBottom(records, IsFloat);
    return bottom ? Saturated(std::int64_t{*bottom} + 1) : 0;
}

}  // namespace

void IndentManager::Clear() {
    LeftIndents.Clear();
    RightIndents.Clear();
}

void IndentManager::Reset(std::int32_t Left, std::int32_t Right) {
    LeftEdge = Left;
    RightEdge = Right;
    Level = 0;
}

std::int32_t IndentManager::LeftEdgeAt(std::int32_t Y) const {
    return Saturated(std::int64_t{LeftEdge} + LeftOffsetAt(LeftIndents, Y));
}

std::int32_t IndentManager::RightEdgeAt(std::int32_t Y) const {
    return Saturated(std::int64_t{RightEdge} + RightOffsetAt(RightIndents, Y));
}

// A left image sits at the old boundary with its gap on its right; a right image keeps its gap
// on its left, inside the new boundary.
void IndentManager::AddFloat(std::int32_t Y, TFloatingObj& Image) {
    const std::int64_t w = std::int64_t{Image.BoxWidth} + Image.HorzGap;
    const std::int64_t yBottom = std::int64_t{Y} + Image.BoxHeight;
    if (Image.Align == kAlignLeft) {
        const std::int32_t o = LeftOffsetAt(LeftIndents, Y);
        Image.FloatX = o;
        AddRecord(LeftIndents, Saturated(o + w), Y, yBottom, 0);
    } else if (Image.Align == kAlignRight) {
        const std::int32_t e = Saturated(RightOffsetAt(RightIndents, Y) - w);
        Image.FloatX = Saturated(std::int64_t{e} + RightEdge + Image.HorzGap);
        AddRecord(RightIndents, e, Y, yBottom, 0);
    }
}

void IndentManager::AddBlock(std::int32_t Y, std::int32_t Width, std::int32_t Height,
                             std::int32_t Side) {
    const std::int64_t yBottom = std::int64_t{Y} + Height;
    if (Side == kSideLeft)
        AddRecord(LeftIndents, Saturated(std::int64_t{LeftOffsetAt(LeftIndents, Y)} + Width), Y,
                  yBottom, 0);
    else if (Side == kSideRight)
        AddRecord(RightIndents, Saturated(std::int64_t{RightOffsetAt(RightIndents, Y)} - Width), Y,
                  yBottom, 0);
}

std::int32_t IndentManager::FloatBottom() const {
    const std::optional<std::int32_t> left = LargestBottom(LeftIndents, IsFloat);
    const std::optional<std::int32_t> right = LargestBottom(RightIndents, IsFloat);
    if (left && right) return std::max(*left, *right);
    return left.value_or(right.value_or(0));
}

void IndentManager::ClearBottoms(std::int32_t& LeftBottom, std::int32_t& RightBottom) const {
    LeftBottom = ClearBottomOf(LeftIndents);
    RightBottom = ClearBottomOf(RightIndents);
}

// A list item is made this tall so that the next item does not start beside a float that cuts
// into the current level's indentation.
std::int32_t IndentManager::LevelClearY() const {
    std::int32_t a = 0;
    for (std::size_t i = 0; i < LeftIndents.Count(); ++i)
        if (LeftIndents[i]->LevelId == Level) a = LeftIndents[i]->Edge;
    const std::optional<std::int32_t> b =
        LargestBottom(LeftIndents, [a](const IndentRec& record) { return record.Edge > a; });
    return Saturated(std::int64_t{b.value_or(0)} + 1);
}

// Each new level adds its indent to whatever already narrows the column at Y, the levels opened
// before it included.
void IndentManager::SetLevel(std::int32_t Y, std::int32_t NewLevel) {
    if (NewLevel > Level) {
        for (std::int32_t l = Level; l < NewLevel;) {
            ++l;
            AddRecord(LeftIndents,
                      Saturated(std::int64_t{LeftOffsetAt(LeftIndents, Y)} + kLevelIndent), Y,
                      kOpenLevelBottom, l);
        }
    } else if (NewLevel < Level && Level > 0) {
        for (std::size_t i = 0; i < LeftIndents.Count(); ++i) {
            IndentRec& record = *LeftIndents[i];
            if (record.LevelId <= NewLevel) continue;
            record.LevelId = 0;
            record.YBottom = Saturated(std::int64_t{Y} - 1);
        }
    }
    Level = NewLevel;
}
