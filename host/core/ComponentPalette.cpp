#include "host/core/ComponentPalette.h"

#include <algorithm>
#include <utility>

namespace {
using TPage = std::pair<std::string, std::vector<TClass>>;

std::vector<TPage>& Pages() {
    static std::vector<TPage> pages;
    return pages;
}

bool OnPalette(TClass cls) {
    for (const TPage& page : Pages())
        if (std::find(page.second.begin(), page.second.end(), cls) != page.second.end())
            return true;
    return false;
}
} // namespace

void RegisterComponents(const std::string& Page, std::initializer_list<TClass> Classes) {
    auto page = std::find_if(Pages().begin(), Pages().end(),
                             [&](const TPage& p) { return p.first == Page; });
    if (page == Pages().end()) page = Pages().insert(Pages().end(), TPage{Page, {}});
    for (TClass cls : Classes) {
        RegisterClass(cls);
        if (!OnPalette(cls)) page->second.push_back(cls);
    }
}

void UnRegisterComponents(std::initializer_list<TClass> Classes) {
    for (TClass cls : Classes) {
        UnRegisterClass(cls);
        for (TPage& page : Pages())
            std::erase(page.second, cls);
    }
    std::erase_if(Pages(), [](const TPage& p) { return p.second.empty(); });
}

std::vector<std::string> GetPalettePages() {
    std::vector<std::string> names;
    for (const TPage& page : Pages())
        names.push_back(page.first);
    return names;
}

std::vector<TClass> GetPaletteClasses(const std::string& Page) {
    for (const TPage& page : Pages())
        if (page.first == Page) return page.second;
    return {};
}
