#include "host/core/Resources.h"

#include <map>

namespace {
std::map<std::string, std::vector<uint8_t>>& Table() {
    static std::map<std::string, std::vector<uint8_t>> table;
    return table;
}
} // namespace

void RegisterResource(const std::string& Name, std::vector<uint8_t> Data) {
    Table()[UpperCase(Name)] = std::move(Data);
}

void UnRegisterResource(const std::string& Name) {
    Table().erase(UpperCase(Name));
}

const std::vector<uint8_t>* FindResource(const std::string& Name) {
    auto it = Table().find(UpperCase(Name));
    return it == Table().end() ? nullptr : &it->second;
}

const std::vector<uint8_t>& ResourceData(const std::string& Name) {
    if (const auto* data = FindResource(Name)) return *data;
    throw EResNotFound("找不到资源 " + Name);
}
