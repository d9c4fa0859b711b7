#include "base/value_list.h"

#include "base/wide_string.h"

namespace velmora {

ValueList parseValueList(std::wstring_view text, wchar_t itemSeparator, wchar_t pairSeparator) {
    ValueList list;
    for (std::wstring& item : splitList(text, itemSeparator, pairSeparator)) {
        if (auto pair = splitKeyValue(std::move(item), pairSeparator))
            list.put(pair->first, std::move(pair->second));
    }
    return list;
}

} // namespace velmora
