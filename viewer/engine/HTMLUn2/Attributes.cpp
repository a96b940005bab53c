#include "HTMLUn2/Attributes.h"

bool TAttributeList::Find(std::uint8_t code, TAttribute*& attribute) const {
    for (std::size_t i = 0; i < Count(); ++i) {
        if ((*this)[i]->Code == code) {
            attribute = (*this)[i];
            return true;
        }
    }
    return false;
}
