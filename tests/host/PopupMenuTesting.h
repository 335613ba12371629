#pragma once
// A popup menu runner for tests: records what each shown menu held and answers a chosen item.

#include <functional>
#include <string>
#include <vector>

#include "host/menus/Menus.h"

/// Replaces the popup runner for one test: records what the menu showed, answers `Choose`.
class RecordingRunner {
public:
    struct Shown {
        TPopupMenu* Menu;
        TPoint Pos;
        std::vector<std::string> Captions;
        std::vector<bool> Enabled;
        std::vector<bool> Checked;
    };
    RecordingRunner() {
        FSaved = SetPopupMenuRunner([this](TPopupMenu* menu, TPoint pos) -> TMenuItem* {
            Shown s{menu, pos, {}, {}, {}};
            for (int i = 0; i < menu->Items()->Count(); ++i) {
                TMenuItem* item = menu->Items()->Items(i);
                if (!item->Visible()) continue;
                s.Captions.push_back(item->Caption());
                s.Enabled.push_back(item->Enabled());
                s.Checked.push_back(item->Checked());
            }
            Calls.push_back(s);
            return Choose ? Choose(menu) : nullptr;
        });
    }
    ~RecordingRunner() { SetPopupMenuRunner(FSaved); }
    RecordingRunner(const RecordingRunner&) = delete;
    RecordingRunner& operator=(const RecordingRunner&) = delete;

    std::vector<Shown> Calls;
    std::function<TMenuItem*(TPopupMenu*)> Choose;

private:
    TPopupMenuRunner FSaved;
};
