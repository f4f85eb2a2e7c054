#pragma once
#include <set>
#include <vector>

#include "model/TermSet.h"

// Removes the items at the given positions (positions past the end are
// ignored) in one pass over the list. The survivors keep their relative
// order, and each survivor's number closes up by the count of removed
// numbers below it, so numbers 1 to N stay 1 to N-removed: the result of
// removing the items one by one from the last position to the first and
// renumbering after each removal, without the quadratic cost.
void removeItemsAt(std::vector<TermSet>& items, const std::set<unsigned>& positions);
