// Saving a tree of components and loading it back.

#include <gtest/gtest.h>

#include "StreamTestUtil.h"
#include "host/core/Stream.h"

using namespace std::string_literals;

namespace {
template <class T> struct FreeOnExit {
    T* p;
    ~FreeOnExit() {
        if (p) p->Free();
    }
};
} // namespace

TEST(StreamRoundTrip, LoadsEveryPropertyKindNamesOwnersAndNestingBack) {
    FreeOnExit<TFixForm> original{MakeSampleForm()};
    std::string bytes = SaveToBytes(original.p);
    FreeOnExit<TComponent> loaded{LoadFromBytes(bytes)};
    ASSERT_TRUE(loaded.p->Is<TFixForm>());
    EXPECT_EQ(DescribeTree(original.p), DescribeTree(loaded.p));
    // Saving what was loaded gives the same bytes.
    EXPECT_EQ(Hex(bytes), Hex(SaveToBytes(loaded.p)));
}

TEST(StreamRoundTrip, ReadsIntoAGivenEmptyInstance) {
    FreeOnExit<TFixForm> original{MakeSampleForm()};
    std::string bytes = SaveToBytes(original.p);
    FreeOnExit<TFixForm> target{new TFixForm};
    TComponent* result = LoadFromBytes(bytes, target.p);
    EXPECT_EQ(result, target.p);
    EXPECT_EQ(DescribeTree(original.p), DescribeTree(target.p));
}

TEST(StreamRoundTrip, LoadedTreeIsLiveAfterLoading) {
    FreeOnExit<TFixForm> original{MakeSampleForm()};
    TFixContainer::LoadedLog().clear();
    FreeOnExit<TComponent> loaded{LoadFromBytes(SaveToBytes(original.p))};
    auto* form = static_cast<TFixForm*>(loaded.p);

    // Loaded ran once per component, root first, and loading state is gone.
    EXPECT_EQ(TFixContainer::LoadedLog(),
              (std::vector<std::string>{"Form1", "Panel1", "Edit1", "Button1"}));
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponentState s = form->Components(i)->ComponentState();
        EXPECT_FALSE(s.Contains(csLoading) || s.Contains(csReading)) << i;
    }
    EXPECT_FALSE(form->ComponentState().Contains(csLoading));

    auto* panel = static_cast<TFixWidget*>(form->FindComponent("Panel1"));
    auto* button = static_cast<TFixWidget*>(form->FindComponent("Button1"));
    ASSERT_TRUE(panel && button);
    EXPECT_TRUE(panel->LoadingSeenBySetter);
    // Events are bound to the loaded root's handlers.
    panel->OnClick(panel);
    button->OnClick(button);
    EXPECT_EQ(form->Clicks, 101);
    // References point into the loaded tree, forward ones included.
    EXPECT_EQ(panel->Buddy(), button);
    EXPECT_EQ(button->Buddy(), form);
    EXPECT_EQ(form->ActiveControl, button);
}

TEST(StreamRoundTrip, WritesOnlyValuesThatDifferFromTheirDefaults) {
    RegisterStreamFixtures();
    FreeOnExit<TFixForm> form{new TFixForm};
    form.p->SetName("F");
    auto* w = new TFixWidget(form.p);
    w->SetName("W");
    w->SetParentContainer(form.p);
    std::string bytes = SaveToBytes(form.p);
    // Only Left (no default) and Font.Name (non-empty text) are stored for a fresh widget.
    std::string expected = "TPF0\x08TFixForm\x01"
                           "F\x00"s +
                           "\x0ATFixWidget\x01W" + "\x04Left\x02\x00"s +
                           "\x09"
                           "Font.Name\x06\x04Sans" +
                           "\x00\x00\x00"s;
    EXPECT_EQ(Hex(expected), Hex(bytes));
}

TEST(StreamRoundTrip, ReaderLeavesTheStreamRightAfterTheRoot) {
    FreeOnExit<TFixForm> original{MakeSampleForm()};
    std::string bytes = SaveToBytes(original.p);
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.WriteBuffer("tail", 4);
    stream.SetPosition(0);
    TComponent* loaded;
    {
        TReader reader(&stream, 4096);
        loaded = reader.ReadRootComponent();
    }
    loaded->Free();
    EXPECT_EQ(stream.Position(), static_cast<int64_t>(bytes.size()));
}

TEST(StreamRoundTrip, IgnoreChildrenSkipsChildRecords) {
    FreeOnExit<TFixForm> original{MakeSampleForm()};
    std::string bytes = SaveToBytes(original.p);
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    TReader reader(&stream, 16);
    reader.SetIgnoreChildren(true);
    FreeOnExit<TComponent> loaded{reader.ReadRootComponent()};
    EXPECT_EQ(loaded.p->ComponentCount(), 0);
    EXPECT_EQ(static_cast<TFixForm*>(loaded.p)->Caption, "主窗口 Main");
}

TEST(StreamRoundTrip, OtherLoadedRootsAreFoundByNameAndNotNamedTwice) {
    RegisterStreamFixtures();
    // Another loaded root, found the way the application's list of forms would find it.
    FreeOnExit<TFixForm> other{new TFixForm};
    other.p->SetName("Other");
    auto* target = new TFixWidget(other.p);
    target->SetName("Target");
    int key = 0;
    RegisterFindGlobalComponentProc(&key, [&](const std::string& name) -> TComponent* {
        return SameText(name, "Other") ? other.p : nullptr;
    });

    FreeOnExit<TFixForm> form{new TFixForm};
    auto* w = new TFixWidget(form.p);
    w->SetName("W");
    w->SetParentContainer(form.p);
    w->SetBuddy(target);
    form.p->ActiveControl = other.p;
    form.p->SetName("Main");
    std::string bytes = SaveToBytes(form.p);
    EXPECT_NE(bytes.find("\x0cOther.Target"), std::string::npos);
    EXPECT_NE(bytes.find("\x0bOther.Owner"), std::string::npos);

    // Read into a given instance under a name another root already has.
    bytes.replace(bytes.find("\x04Main"), 5, "\x05Other");
    FreeOnExit<TFixForm> loaded{new TFixForm};
    LoadFromBytes(bytes, loaded.p);
    UnregisterFindGlobalComponentProc(&key);
    EXPECT_EQ(loaded.p->Name(), "Other_1");
    EXPECT_EQ(static_cast<TFixWidget*>(loaded.p->FindComponent("W"))->Buddy(), target);
    EXPECT_EQ(loaded.p->ActiveControl, other.p);
}

TEST(StreamRoundTrip, EmbeddedSubRootOwnsWhatItsRecordHolds) {
    RegisterStreamFixtures();
    FreeOnExit<TFixForm> form{new TFixForm};
    form.p->SetName("F");
    auto* frame = new TFixWidget(form.p);
    frame->SetName("Frame1");
    frame->SetParentContainer(form.p);
    frame->SetInline(true);
    auto* a = new TFixWidget(frame);
    a->SetName("A");
    a->SetParentContainer(frame);
    auto* b = new TFixWidget(frame);
    b->SetName("B");
    b->SetParentContainer(frame);
    a->SetBuddy(b);
    std::string bytes = SaveToBytes(form.p);
    EXPECT_NE(bytes.find("\xF4\x0ATFixWidget\x06"
                         "Frame1"),
              std::string::npos);
    EXPECT_NE(bytes.find("\x05"
                         "Buddy\x07\x01"
                         "B"),
              std::string::npos);

    FreeOnExit<TComponent> loaded{LoadFromBytes(bytes)};
    auto* frame2 = static_cast<TFixWidget*>(loaded.p->FindComponent("Frame1"));
    ASSERT_NE(frame2, nullptr);
    EXPECT_TRUE(frame2->ComponentState().Contains(csInline));
    ASSERT_EQ(frame2->ComponentCount(), 2);
    auto* a2 = static_cast<TFixWidget*>(frame2->FindComponent("A"));
    EXPECT_EQ(a2->ParentContainer(), frame2);
    EXPECT_EQ(a2->Buddy(), frame2->FindComponent("B"));
    EXPECT_EQ(Hex(bytes), Hex(SaveToBytes(loaded.p)));
}
