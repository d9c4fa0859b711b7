// velmora-tool template FILE: a property template as the game reads it.
#include "commands.h"

#include "gui/property_template.h"
#include "platform/files.h"

namespace velmora::tool {

int runTemplate(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: velmora-tool template FILE\n");
        return exitUsage;
    }
    const std::wstring path = fromOsPath(arguments[0]);
    const size_t separator = path.rfind(L'\\');
    const std::wstring folder = separator == std::wstring::npos ? L"" : path.substr(0, separator + 1);
    const std::wstring fileName = separator == std::wstring::npos ? path : path.substr(separator + 1);

    PropertyTemplate properties;
    if (!properties.load(folder, fileName)) {
        std::fprintf(stderr, "velmora-tool: cannot open template %s\n", arguments[0].c_str());
        return exitFailed;
    }
    const std::vector<std::wstring> keys = properties.keys();
    for (const std::wstring& key : keys) {
        print(key + L'=' + *properties.get(key) + L'\n');
        const std::optional<ValueList> items = properties.getValueList(key);
        for (const std::wstring* name : items->keys())
            print(L"    " + *name + L": " + *items->get(*name) + L'\n');
    }
    std::printf("%zu keys\n", keys.size());
    return exitOk;
}

} // namespace velmora::tool
