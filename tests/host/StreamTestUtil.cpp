#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/controls/Controls.h"
#include "host/core/Stream.h"
#include "host/streaming/ObjectText.h"

std::string SaveToBytes(TComponent* root) {
    TMemoryStream stream;
    {
        TWriter writer(&stream, 64);
        writer.WriteRootComponent(root);
        writer.FlushBuffer();
    }
    return std::string(static_cast<const char*>(stream.Memory()),
                       static_cast<size_t>(stream.Size()));
}

TComponent* LoadFromBytes(const std::string& bytes, TComponent* root) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    TReader reader(&stream, 64);
    return reader.ReadRootComponent(root);
}

namespace {
void DescribeObject(TObject* obj, const std::string& prefix, std::string& out) {
    if (auto* picture = Cast<TPicture>(obj)) {
        std::vector<uint8_t> data = picture->SaveToData();
        out += prefix + "<picture>=" + Hex(std::string(data.begin(), data.end())) + "\n";
        return;
    }
    if (auto* strings = Cast<TStrings>(obj)) {
        out += prefix + "<strings>=" + strings->CommaText() + "\n";
        return;
    }
    if (auto* coll = Cast<TCollection>(obj)) {
        for (int i = 0; i < coll->Count(); ++i)
            DescribeObject(coll->Items(i), prefix + "[" + IntToStr(i) + "].", out);
        return;
    }
    for (const TPropInfo* p : GetPropList(obj)) {
        std::string name = prefix + p->Name;
        switch (p->PropType->Kind) {
        case tkClass: {
            TObject* v = GetObjectProp(obj, p);
            if (auto* c = Cast<TComponent>(v))
                out += name + "->" + c->Name() + "\n";
            else if (v)
                DescribeObject(v, name + ".", out);
            else
                out += name + "->nil\n";
            break;
        }
        case tkMethod: {
            TMethod m = p->Access.GetMethod(obj);
            out += name + "=" + (m.Assigned() ? "@" + m.Name : "nil") + "\n";
            break;
        }
        case tkVariant: {
            Variant v = p->Access.GetVar(obj);
            out += name + "=var" + IntToStr(v.VarType()) + ":" + v.AsString() + "\n";
            break;
        }
        case tkFloat: {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.17g", GetFloatProp(obj, p));
            out += name + "=" + buf + "\n";
            break;
        }
        default:
            out += name + "=" + GetPropValue(obj, p).AsString() + "\n";
        }
    }
}
/// Z-order (Controls order) and tab order of a windowed control's children.
void DescribeChildren(TComponent* c, const std::string& prefix, std::string& out) {
    auto* win = Cast<TWinControl>(c);
    if (!win) return;
    std::vector<TWinControl*> tabs;
    out += prefix + "z:";
    for (int i = 0; i < win->ControlCount(); ++i) {
        out += " " + win->Controls(i)->Name();
        if (auto* w = Cast<TWinControl>(win->Controls(i))) tabs.push_back(w);
    }
    std::sort(tabs.begin(), tabs.end(),
              [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    out += "\n" + prefix + "tab:";
    for (TWinControl* w : tabs)
        out += " " + w->Name();
    out += "\n";
}
} // namespace

std::string DescribeTree(TComponent* root) {
    std::string out = "root " + root->ClassName() + " " + root->Name() + "\n";
    DescribeObject(root, "  ", out);
    for (int i = 0; i < root->ComponentCount(); ++i) {
        TComponent* c = root->Components(i);
        TComponent* parent = c->GetParentComponent();
        out += c->ClassName() + " " + c->Name() + " owner=" + c->Owner()->Name() +
               " parent=" + (parent ? parent->Name() : "-") + "\n";
        DescribeObject(c, "  ", out);
        if (auto* widget = Cast<TFixWidget>(c)) out += "  Data=" + Hex(widget->Data) + "\n";
        if (c->DesignInfo() != 0) out += "  DesignInfo=" + IntToStr(c->DesignInfo()) + "\n";
        DescribeChildren(c, "  ", out);
        if (auto* container = Cast<TFixContainer>(c)) {
            out += "  z:";
            for (TFixWidget* w : container->Controls)
                out += " " + w->Name();
            out += "\n";
        }
    }
    DescribeChildren(root, "root ", out);
    if (auto* container = Cast<TFixContainer>(root)) {
        out += "root z:";
        for (TFixWidget* w : container->Controls)
            out += " " + w->Name();
        out += "\n";
    }
    return out;
}

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
        out += ' ';
    }
    return out;
}

std::string BinaryToText(const std::string& binary, TTextStrings strings) {
    TStringStream in(binary), out;
    ObjectBinaryToText(in, out, strings);
    return out.DataString();
}

std::string TextToBinary(const std::string& text) {
    TStringStream in(text), out;
    ObjectTextToBinary(in, out);
    return out.DataString();
}

bool OracleAvailable() {
    return std::string(ZK_FPCONV).size() > 0;
}

bool RunOracle(const char* mode, const std::string& input, std::string& output) {
    auto dir = std::filesystem::temp_directory_path() /
               ("zk-oracle-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + std::to_string(reinterpret_cast<uintptr_t>(&input)));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    std::string cmd = "'" + std::string(ZK_FPCONV) + "' " + mode + " '" + (dir / "in").string() +
                      "' '" + (dir / "out").string() + "' >/dev/null 2>&1";
    bool ok = std::system(cmd.c_str()) == 0;
    if (ok) {
        std::ifstream in(dir / "out", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        output = s.str();
    }
    std::filesystem::remove_all(dir);
    return ok;
}

std::string InAnyComponentOrder(const std::string& description) {
    std::vector<std::string> blocks;
    size_t start = 0;
    while (start < description.size()) {
        size_t end = description.find('\n', start);
        std::string line = description.substr(start, end + 1 - start);
        if (blocks.empty() || line[0] != ' ')
            blocks.push_back(line);
        else
            blocks.back() += line;
        start = end + 1;
    }
    std::sort(blocks.begin(), blocks.end());
    std::string out;
    for (const std::string& b : blocks)
        out += b;
    return out;
}

void ExpectOracleReadsAsWeDo(const std::string& binary) {
    if (!OracleAvailable()) return;
    std::string text, back;
    ASSERT_TRUE(RunOracle("totext", binary, text)) << Hex(binary);
    EXPECT_EQ(text, BinaryToText(binary, TTextStrings::Codes));
    ASSERT_TRUE(RunOracle("tobinary", text, back)) << text;
    EXPECT_EQ(Hex(binary), Hex(back));
}
