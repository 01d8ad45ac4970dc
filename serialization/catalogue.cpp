#include "serialization/catalogue.hpp"

namespace velkor {

namespace {

ComponentCatalogue& MutableCatalogue() {
    static ComponentCatalogue catalogue;
    return catalogue;
}

}  // namespace

void RegisterComponent(std::size_t index, const char* name, ComponentReader reader, ComponentCheck check) {
    auto& catalogue = MutableCatalogue();
    catalogue.names.at(index) = name;
    catalogue.index.emplace(name, static_cast<int>(index));
    catalogue.readers.at(index) = reader;
    catalogue.checks.at(index) = check;
}

const ComponentCatalogue& Catalogue() { return MutableCatalogue(); }

std::optional<int> FindComponent(std::string_view name) { return FindComponent(Catalogue(), name); }

std::optional<int> FindComponent(const ComponentCatalogue& catalogue, std::string_view name) {
    const auto& index = catalogue.index;
    auto it = index.find(name);
    if (it == index.end()) return std::nullopt;
    return it->second;
}

}  // namespace velkor
