#pragma once
// Property templates: the ordered "key=value" text files that describe every page, scene and node
// and that also store settings and saved games. The template keeps the file's empty and comment
// lines in their places, so that a file read, changed and written back keeps its layout.
//
// Values may refer to other keys as "{name}"; get expands such references (nesting up to 8) and keeps
// the expanded text. A value may also be a ValueList ("name:value, name:value"), read by the getters
// that take an item name.

#include "base/hash_map.h"
#include "base/value_list.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The warning a page shows when its template cannot be written back; formatWide it with the page's
// folder and template file name.
inline constexpr wchar_t templateUpdateFailedMessage[] =
    L"Can not update the template file: %ls%ls.\nThe file is read-only or the storage media is not "
    L"available. "
    L"All changes will be ignored.";

class PropertyTemplate {
public:
    static constexpr size_t lineBufferSize = 2048; // a physical line holds at most 2047 characters
    static constexpr int maxReferenceDepth = 8;
    static constexpr size_t maxExpandedLength = 16384; // a reference that would grow a value beyond stays

    explicit PropertyTemplate(wchar_t keySeparator = L'=', wchar_t itemSeparator = L',',
                              wchar_t pairSeparator = L':');

    // Reads folder + fileName (through the resource archives, so the file may come from one) and adds
    // its entries; existing keys take the new values. keysRead receives every key read, in order.
    // False when the file cannot be opened.
    bool load(std::wstring_view folder, std::wstring_view fileName,
              std::vector<std::wstring>* keysRead = nullptr);
    // Adds the entries of an open text stream (what load does once the file is open).
    void read(std::FILE* stream, std::vector<std::wstring>* keysRead = nullptr);

    // Writes every entry to the path in order. The file is replaced in one step: on any failure it
    // stays as it was and save returns false. False also without a path.
    bool save();

    void setPath(std::wstring_view folder, std::wstring_view fileName);
    const std::wstring& path() const { return path_; }

    // Removes every entry, empties the path and restarts the line counters.
    void clear();

    // The keys of the key/value lines, in entry order.
    std::vector<std::wstring> keys() const;
    // The number of key/value lines.
    int count() const;

    // Stores a value; an existing key keeps its place. Returns the previous value.
    std::optional<std::wstring> put(const std::wstring& key, std::wstring value);

    // Removes a key and its value; the other lines keep their places. Returns the removed value.
    std::optional<std::wstring> remove(const std::wstring& key);

    // The value with its references expanded, or null. The text belongs to the template and stays
    // valid until the key's value changes.
    const std::wstring* get(const std::wstring& key);

    // A copy of the value, or with an item name of that item of its ValueList.
    std::optional<std::wstring> getString(const std::wstring& key, std::wstring_view item = {});
    // Typed values of getString; the default when the key or item is missing or empty.
    int32_t getInt(const std::wstring& key, std::wstring_view item, int32_t defaultValue);
    bool getBool(const std::wstring& key, std::wstring_view item, bool defaultValue);
    float getFloat(const std::wstring& key, std::wstring_view item, float defaultValue);
    int32_t getColor(const std::wstring& key, std::wstring_view item, int32_t defaultValue);

    // The ValueList of the (expanded) value, or none when the key is missing.
    std::optional<ValueList> getValueList(const std::wstring& key);

    // Replaces or appends one item of the key's ValueList; nothing when the key is missing. The value
    // is rebuilt as " name:value" items joined by the item separator.
    void setItem(const std::wstring& key, std::wstring_view item, std::wstring_view value);

    // Every entry in order, the empty and comment lines included (under numbered keys).
    const HashMap<std::wstring, std::wstring>& entries() const { return entries_; }

    // Whether a key is the numbered key of an empty or comment line.
    static bool isLayoutKey(std::wstring_view key);

private:
    struct Expansion {
        const std::wstring* value; // null when the key is missing
        bool complete;             // false when a reference cycle or the length limit stopped it
    };
    Expansion expand(const std::wstring& key, int depth, std::vector<std::wstring>& chain);
    void readKeyValueLine(std::FILE* stream, std::wstring line, std::vector<std::wstring>* keysRead);
    static std::wstring joinPath(std::wstring_view folder, std::wstring_view fileName);
    std::optional<std::wstring> getNonEmpty(const std::wstring& key, std::wstring_view item);

    HashMap<std::wstring, std::wstring> entries_;
    std::wstring path_;
    int commentLines_ = 0;
    int emptyLines_ = 0;
    wchar_t keySeparator_;
    wchar_t itemSeparator_;
    wchar_t pairSeparator_;
};

} // namespace velmora
