#include "jukebox/console/ListLayout.h"

#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {
namespace {

const std::string kWindowKey = std::string(kSettingsRoot) + "Window";

std::string Prefix(const std::string& listName) {
    return "lv" + listName;
}

std::int32_t Read(RegistryStore& registry, const std::string& name, std::int32_t def) {
    return GetRegDword(registry, RegistryStore::kCurrentUser, kWindowKey, name, def);
}

void Write(RegistryStore& registry, const std::string& name, std::int32_t value) {
    SetRegValue(registry, RegistryStore::kCurrentUser, kWindowKey, name, value,
                RegistryStore::kDword);
}

}  // namespace

std::string ListWidthValue(const std::string& listName, std::int32_t column) {
    return Prefix(listName) + std::to_string(column);
}

std::string ListOrderValue(const std::string& listName, std::int32_t position) {
    return Prefix(listName) + "Col" + std::to_string(position);
}

std::string ListSortIdxValue(const std::string& listName) {
    return Prefix(listName) + "SortIdx";
}

std::string ListSortOrdValue(const std::string& listName) {
    return Prefix(listName) + "SortOrd";
}

ListLayout ReadListLayout(RegistryStore& registry, const std::string& listName,
                          const std::vector<std::int32_t>& defaultWidths) {
    ListLayout layout;
    const auto columns = static_cast<std::int32_t>(defaultWidths.size());
    for (std::int32_t i = 0; i < columns; ++i) {
        layout.widths.push_back(Read(registry, ListWidthValue(listName, i),
                                     defaultWidths[static_cast<std::size_t>(i)]));
        layout.order.push_back(Read(registry, ListOrderValue(listName, i + 1), i));
    }
    layout.sortIdx = Read(registry, ListSortIdxValue(listName), 1);
    layout.sortOrd = Read(registry, ListSortOrdValue(listName), 0);
    return layout;
}

void SaveListLayout(RegistryStore& registry, const std::string& listName,
                    const ListLayout& layout) {
    const auto columns = static_cast<std::int32_t>(layout.widths.size());
    for (std::int32_t i = 0; i < columns; ++i)
        Write(registry, ListWidthValue(listName, i), layout.widths[static_cast<std::size_t>(i)]);
    if (layout.order.size() == layout.widths.size()) {
        for (std::int32_t i = 0; i < columns; ++i)
            Write(registry, ListOrderValue(listName, i + 1),
                  layout.order[static_cast<std::size_t>(i)]);
    }
    Write(registry, ListSortIdxValue(listName), layout.sortIdx);
    Write(registry, ListSortOrdValue(listName), layout.sortOrd);
}

}  // namespace brambletune
