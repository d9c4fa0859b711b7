#pragma once
// Value lists: the "name:value, name:value" structure inside a template value (every node
// description is one) and inside the launch records.

#include "base/hash_map.h"

#include <string>
#include <string_view>

namespace velmora {

// Item names to their values, in the order of the text.
using ValueList = HashMap<std::wstring, std::wstring>;

// Cuts text into items at itemSeparator; a piece without pairSeparator belongs to the item before it
// ("pos:1,2, size:3" has the items "pos:1,2" and "size:3"). Each item is split at its first
// pairSeparator, the name and value trimmed of blanks and tabs; an item without one is ignored, and a
// repeated name keeps its last value.
ValueList parseValueList(std::wstring_view text, wchar_t itemSeparator = L',', wchar_t pairSeparator = L':');

} // namespace velmora
