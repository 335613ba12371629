#pragma once
// The form that the designer benchmarks measure, described without a toolkit, so that the
// framework's form and the raw-Qt baseline are built from one description.

#include <string>
#include <vector>

namespace FormPlan {

enum class Kind { Panel, GroupBox, Label, Edit, CheckBox, Button };

/// One control: its kind, its parent (an index into the plan, -1 for the form), its bounds
/// in the parent and its name and text.
struct Node {
    Kind kind;
    int parent;
    int left, top, width, height;
    std::string name;
    std::string text;
};

inline constexpr int FormWidth = 1000;
inline constexpr int FormHeight = 800;

inline bool IsContainer(Kind kind) {
    return kind == Kind::Panel || kind == Kind::GroupBox;
}

/// n controls: panels holding group boxes holding panels (three levels of containers,
/// about one control in seven), and labels, edits, check boxes and buttons by turns in the
/// innermost panels, at their natural height with a gap of eight pixels between them.
/// Parents come before their children; the outer panels tile the form and beyond.
inline std::vector<Node> Make(int n) {
    std::vector<Node> nodes;
    auto add = [&](Kind kind, int parent, int left, int top, int width, int height,
                   const char* prefix, const std::string& text) {
        const std::string name = prefix + std::to_string(nodes.size() + 1);
        nodes.push_back({kind, parent, left, top, width, height, name, text.empty() ? name : text});
        return static_cast<int>(nodes.size()) - 1;
    };
    const int outer = (n + 89) / 90;
    std::vector<int> inner;
    for (int i = 0; i < outer; ++i) {
        const int p =
            add(Kind::Panel, -1, 8 + (i % 2) * 492, 8 + (i / 2) * 412, 484, 404, "Panel", "");
        for (int g = 0; g < 4; ++g) {
            const int box = add(Kind::GroupBox, p, 4 + (g % 2) * 240, 4 + (g / 2) * 198, 236, 194,
                                "GroupBox", "分组 " + std::to_string(g + 1));
            for (int k = 0; k < 2; ++k)
                inner.push_back(add(Kind::Panel, box, 6 + k * 114, 18, 110, 168, "Panel", ""));
        }
    }
    static const Kind leaves[] = {Kind::Label, Kind::Edit, Kind::CheckBox, Kind::Button};
    static const char* const prefixes[] = {"Label", "Edit", "CheckBox", "Button"};
    static const char* const texts[] = {"标签 ", "文本 ", "选项 ", "按钮 "};
    std::vector<int> filled(inner.size(), 0);
    for (int i = 0; static_cast<int>(nodes.size()) < n; ++i) {
        const size_t slot = static_cast<size_t>(i) % inner.size();
        const int row = filled[slot]++;
        const int k = (i + i / static_cast<int>(inner.size())) % 4;
        add(leaves[k], inner[slot], 4 + (row % 2) * 54, 4 + (row / 2 % 5) * 32, 46, 24, prefixes[k],
            texts[k] + std::to_string(i + 1));
    }
    return nodes;
}

} // namespace FormPlan
