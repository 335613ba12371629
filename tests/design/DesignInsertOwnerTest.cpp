// Who owns a control that the designer inserts: the form the design belongs to, so that the
// form's stream holds it.
#include "DesignTesting.h"
#include "host/core/Stream.h"
#include "host/streaming/Filer.h"

namespace {

class DesignInsertOwner : public DesignTest {};

TEST_F(DesignInsertOwner, InsertedControlBelongsToTheFormAndIsSavedWithIt) {
    auto* panel = Add<TTestPanel>(Form, Bounds(200, 10, 150, 120), "Panel1");
    Form->SetName("OwnerForm");
    Begin();
    struct Case {
        const char* where;
        TWinControl* container;
    };
    for (const Case& c : {Case{"on the form", Form}, Case{"in a panel", panel}}) {
        SCOPED_TRACE(c.where);
        TZkFormDesigner* designer =
            c.container == Form ? Designer : OverlayOf(panel)->InnerDesigner();
        ASSERT_NE(designer, nullptr);
        TDesignControl* overlay =
            designer->AddControlToDesign(TTestPanel::StaticClass(), Bounds(10, 10, 40, 30));
        TControl* inserted = overlay->Control();
        EXPECT_EQ(inserted->Owner(), Form);
        EXPECT_EQ(Form->FindComponent(inserted->Name()), inserted);

        Designer->EndDesign();
        EXPECT_EQ(inserted->Parent(), c.container);
        TMemoryStream stream;
        TWriter(&stream, 4096).WriteRootComponent(Form);
        const std::string bytes(static_cast<const char*>(stream.Memory()),
                                static_cast<size_t>(stream.Size()));
        EXPECT_NE(bytes.find(inserted->Name()), std::string::npos);
        Begin();
    }
}

} // namespace
