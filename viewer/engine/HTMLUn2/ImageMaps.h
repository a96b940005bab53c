#pragma once
// A client-side image map: the areas of a picture, each a region of the plane with its own link.
// Coordinates are pixels from the top-left corner of the picture as shown.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "HTMLUn2/AreaRegion.h"
#include "HTMLUn2/Attributes.h"
#include "HTMLUn2/UrlTarget.h"

// The numbers of a COORDS value: the pieces up to each comma, each cut to 15 characters, with
// the rest cut to 255 at every step; an unreadable piece is 0, an empty piece ends the list, and
// there are never more than 201 numbers. Spaces separate nothing.
std::vector<int> ReadCoords(std::string_view value);

struct TMapArea {
    std::string Href;  // empty when the area has none or says NOHREF
    TAreaRegion Region;
    std::string Target;
};

class TMapItem {
public:
    std::string Name;  // the MAP's NAME in upper case, empty when it has none
    // One entry per area, in the order added; one list instead of two parallel ones keeps an
    // area's region, address and target from ever drifting apart.
    std::vector<TMapArea> Areas;

    // Appends the area that an AREA tag's attributes describe; too few coordinates, or a region
    // that cannot be made, add nothing.
    void AddArea(const TAttributeList& Attributes);
    // The link of the first area containing the point. An area without an address hides those
    // added after it. On success Link is a new target owned by the caller; otherwise untouched.
    bool HitTest(int X, int Y, std::unique_ptr<TUrlTarget>& Link) const;
};
