#include "gui/property_template.h"

#include "base/wide_string.h"
#include "media/resource_archive.h"
#include "platform/files.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::wstring_view emptyLinePrefix = L"_EMPTY_LINE_";
constexpr std::wstring_view commentLinePrefix = L"_COMMENT_LINE_";

} // namespace

PropertyTemplate::PropertyTemplate(wchar_t keySeparator, wchar_t itemSeparator, wchar_t pairSeparator)
    : keySeparator_(keySeparator), itemSeparator_(itemSeparator), pairSeparator_(pairSeparator) {}

bool PropertyTemplate::isLayoutKey(std::wstring_view key) {
    return key.starts_with(emptyLinePrefix) || key.starts_with(commentLinePrefix);
}

std::wstring PropertyTemplate::joinPath(std::wstring_view folder, std::wstring_view fileName) {
    std::wstring path(folder);
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/')
        path += L'\\';
    path += fileName;
    collapseDotDot(path);
    return path;
}

void PropertyTemplate::setPath(std::wstring_view folder, std::wstring_view fileName) {
    path_ = joinPath(folder, fileName);
}

bool PropertyTemplate::load(std::wstring_view folder, std::wstring_view fileName,
                            std::vector<std::wstring>* keysRead) {
    path_ = joinPath(folder, fileName);
    std::FILE* stream = openResource(path_, "r");
    if (!stream)
        return false;
    read(stream, keysRead);
    closeResource(stream);
    return true;
}

void PropertyTemplate::read(std::FILE* stream, std::vector<std::wstring>* keysRead) {
    std::wstring line;
    while (readLine(stream, line, lineBufferSize)) {
        trim(line, blanksAndTabs); // a trailing newline stops the right trim
        if (line.starts_with(L'\n')) {
            entries_.put(formatWide(L"%ls%d", emptyLinePrefix.data(), emptyLines_++), L"\n");
        } else if (line.starts_with(L'#') || line.starts_with(L'!')) {
            // A comment that ends a piece of an over-long line or the file still ends its own line
            // when written back.
            if (!line.ends_with(L'\n'))
                line += L'\n';
            entries_.put(formatWide(L"%ls%d", commentLinePrefix.data(), commentLines_++), line);
        } else {
            readKeyValueLine(stream, std::move(line), keysRead);
        }
    }
}

void PropertyTemplate::readKeyValueLine(std::FILE* stream, std::wstring line,
                                        std::vector<std::wstring>* keysRead) {
    if (line.ends_with(L'\n'))
        line.pop_back();
    // A backslash at the end continues the line on the next one, within the line buffer: the next
    // piece is read where the backslash stood.
    while (line.ends_with(L'\\') && !atEndOfStream(stream)) {
        line.pop_back();
        std::wstring piece;
        readLine(stream, piece, lineBufferSize - line.size());
        trim(piece, blanksAndTabs);
        if (piece.ends_with(L'\n'))
            piece.pop_back();
        line += piece;
    }
    const size_t comment = line.rfind(L"//");
    if (comment != std::wstring::npos)
        line.erase(comment);

    auto pair = splitKeyValue(std::move(line), keySeparator_);
    if (!pair || pair->first.empty() || isLayoutKey(pair->first))
        return;
    std::wstring& key = pair->first;
    // Only the first reference in a key is replaced, and only when it names a known key.
    const size_t open = key.find(L'{');
    const size_t close = open == std::wstring::npos ? std::wstring::npos : key.find(L'}', open + 1);
    if (close != std::wstring::npos) {
        if (const std::wstring* referenced = get(key.substr(open + 1, close - open - 1)))
            key = key.substr(0, open) + *referenced + key.substr(close + 1);
    }
    if (keysRead)
        keysRead->push_back(key);
    entries_.put(key, std::move(pair->second));
}

bool PropertyTemplate::save() {
    if (path_.empty())
        return false;
    std::wstring text;
    for (const std::wstring* key : entries_.keys()) {
        const std::wstring& value = *entries_.get(*key);
        if (isLayoutKey(*key))
            text += value;
        else
            text += *key + keySeparator_ + value + L"\n";
    }
    return replaceFile(path_, toUtf8(text));
}

void PropertyTemplate::clear() {
    entries_.clear();
    path_.clear();
    commentLines_ = 0;
    emptyLines_ = 0;
}

std::vector<std::wstring> PropertyTemplate::keys() const {
    std::vector<std::wstring> result;
    result.reserve(static_cast<size_t>(std::max(count(), 0)));
    for (const std::wstring* key : entries_.keys()) {
        if (!isLayoutKey(*key))
            result.push_back(*key);
    }
    return result;
}

int PropertyTemplate::count() const {
    return entries_.count() - emptyLines_ - commentLines_;
}

std::optional<std::wstring> PropertyTemplate::put(const std::wstring& key, std::wstring value) {
    return entries_.put(key, std::move(value));
}

const std::wstring* PropertyTemplate::get(const std::wstring& key) {
    std::vector<std::wstring> chain;
    return expand(key, 0, chain).value;
}

// Expands the references of one value, left to right, each with its own references expanded one
// level deeper. A reference stays as written, together with the rest of the text, when its key is
// missing or when expanding it cannot end:
// - it names a key being expanded further up (a cycle through this value);
// - its key's (non-empty) value was already put in the same place of this text: a cycle among the
//   values brought in at the depth limit, which are put in one after another unexpanded;
// - the text would grow beyond maxExpandedLength.
// A value whose expansion was cut short in one of these ways stays unexpanded where it is
// referenced, so the references that lead into a cycle stay as written too.
PropertyTemplate::Expansion PropertyTemplate::expand(const std::wstring& key, int depth,
                                                     std::vector<std::wstring>& chain) {
    std::wstring* stored = entries_.get(key);
    if (!stored || stored->find(L'{') == std::wstring::npos)
        return {stored, true};

    chain.push_back(key);
    std::wstring text = *stored;
    bool replaced = false;
    bool complete = true;
    size_t lastOpen = std::wstring::npos;
    std::vector<std::wstring> putAtLastOpen;
    // Text before the first '{' never changes, so each search may start where the last one found it.
    for (size_t open = text.find(L'{'); open != std::wstring::npos && depth + 1 <= maxReferenceDepth;
         open = text.find(L'{', open)) {
        const size_t close = text.find(L'}', open + 1);
        if (close == std::wstring::npos)
            break;
        std::wstring name = text.substr(open + 1, close - open - 1);
        if (open != lastOpen) {
            lastOpen = open;
            putAtLastOpen.clear();
        }
        if (std::find(chain.begin(), chain.end(), name) != chain.end() ||
            std::find(putAtLastOpen.begin(), putAtLastOpen.end(), name) != putAtLastOpen.end()) {
            complete = false;
            break;
        }
        const Expansion inner = expand(name, depth + 1, chain);
        if (!inner.value)
            break;
        const size_t referenceLength = close + 1 - open;
        if (!inner.complete || text.size() - referenceLength + inner.value->size() > maxExpandedLength) {
            complete = false;
            break;
        }
        text.replace(open, referenceLength, *inner.value);
        replaced = true;
        if (!inner.value->empty()) // an empty value only shortens the text and can repeat freely
            putAtLastOpen.push_back(std::move(name));
    }
    chain.pop_back();
    if (replaced)
        *stored = std::move(text); // nodes never move, so the pointer is still the key's value
    return {stored, complete};
}

std::optional<std::wstring> PropertyTemplate::getString(const std::wstring& key, std::wstring_view item) {
    const std::wstring* value = get(key);
    if (!value)
        return std::nullopt;
    if (item.empty())
        return *value;
    const ValueList list = parseValueList(*value, itemSeparator_, pairSeparator_);
    const std::wstring* itemValue = list.get(std::wstring(item));
    return itemValue ? std::optional<std::wstring>(*itemValue) : std::nullopt;
}

std::optional<std::wstring> PropertyTemplate::getNonEmpty(const std::wstring& key, std::wstring_view item) {
    std::optional<std::wstring> text = getString(key, item);
    return text && !text->empty() ? text : std::nullopt;
}

int32_t PropertyTemplate::getInt(const std::wstring& key, std::wstring_view item, int32_t defaultValue) {
    const std::optional<std::wstring> text = getNonEmpty(key, item);
    return text ? parseLong(*text) : defaultValue;
}

bool PropertyTemplate::getBool(const std::wstring& key, std::wstring_view item, bool defaultValue) {
    const std::optional<std::wstring> text = getNonEmpty(key, item);
    return text ? parseLong(*text) != 0 : defaultValue;
}

float PropertyTemplate::getFloat(const std::wstring& key, std::wstring_view item, float defaultValue) {
    const std::optional<std::wstring> text = getNonEmpty(key, item);
    return text ? static_cast<float>(parseDouble(*text)) : defaultValue;
}

int32_t PropertyTemplate::getColor(const std::wstring& key, std::wstring_view item, int32_t defaultValue) {
    const std::optional<std::wstring> text = getNonEmpty(key, item);
    return text ? parseColor(*text) : defaultValue;
}

std::optional<ValueList> PropertyTemplate::getValueList(const std::wstring& key) {
    const std::wstring* value = get(key);
    if (!value)
        return std::nullopt;
    return parseValueList(*value, itemSeparator_, pairSeparator_);
}

void PropertyTemplate::setItem(const std::wstring& key, std::wstring_view item, std::wstring_view value) {
    const std::wstring* current = get(key);
    if (!current)
        return;
    const ValueList list = parseValueList(*current, itemSeparator_, pairSeparator_);
    std::wstring rebuilt;
    bool found = false;
    for (const std::wstring* name : list.keys()) {
        if (!rebuilt.empty())
            rebuilt += itemSeparator_;
        const bool isItem = *name == item;
        found = found || isItem;
        rebuilt += L' ' + *name + pairSeparator_;
        rebuilt += isItem ? value : std::wstring_view(*list.get(*name));
    }
    if (!found) {
        if (!rebuilt.empty())
            rebuilt += itemSeparator_;
        rebuilt += L' ';
        rebuilt += item;
        rebuilt += pairSeparator_;
        rebuilt += value;
    }
    entries_.put(key, std::move(rebuilt));
}

} // namespace velmora
