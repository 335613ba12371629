// Insertion notices: an owner announces each component that joins it only to the components
// that hear insertions, yet every class that overrides Notification for them still hears each
// one, whether the form is made by code or loaded from a stream.
#include <gtest/gtest.h>

#include <functional>

#include "StreamTestUtil.h"
#include "host/containers/Panels.h"
#include "host/controls/Forms.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

/// Records every insertion it hears; its override is protected, as a descendant's may be.
class TInsertLog : public TComponent {
    ZK_CLASS(TInsertLog, TComponent)
    explicit TInsertLog(TComponent* AOwner) : TComponent(AOwner) {}
    std::vector<TComponent*> Heard;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        inherited::Notification(AComponent, Operation);
        if (Operation == opInsert) Heard.push_back(AComponent);
    }
};

/// A stock label whose class, unlike TLabel's, acts on insertions.
class TInsertLogLabel : public TLabel {
    ZK_CLASS(TInsertLogLabel, TLabel)
    explicit TInsertLogLabel(TComponent* AOwner) : TLabel(AOwner) {}
    std::vector<TComponent*> Heard;
    void Notification(TComponent* AComponent, TOperation Operation) override {
        inherited::Notification(AComponent, Operation);
        if (Operation == opInsert) Heard.push_back(AComponent);
    }
};

} // namespace

ZK_IMPLEMENT_CLASS(TInsertLog, TComponent, nullptr)
ZK_IMPLEMENT_CLASS(TInsertLogLabel, TLabel, nullptr)

namespace {

std::vector<TComponent*>* HeardBy(TComponent* c) {
    if (auto* log = Cast<TInsertLog>(c)) return &log->Heard;
    if (auto* label = Cast<TInsertLogLabel>(c)) return &label->Heard;
    return nullptr;
}

/// The form's components from position first on, in insertion order.
std::vector<TComponent*> From(TForm* form, int first) {
    std::vector<TComponent*> out;
    for (int i = first; i < form->ComponentCount(); ++i)
        out.push_back(form->Components(i));
    return out;
}

template <class T> T* Make(TForm* form, const char* name) {
    auto* c = new T(form);
    c->SetName(name);
    if (auto* control = Cast<TControl>(c)) control->SetParent(form);
    return c;
}

} // namespace

TEST(InsertionNotice, EveryClassThatHearsInsertionsHearsEachOneMadeByCodeOrLoaded) {
    RegisterClasses({TInsertLog::StaticClass(), TInsertLogLabel::StaticClass()});
    struct Listener {
        const char* name;
        /// The form's component from whose insertion on it hears (its own, or its owner's).
        const char* from;
        bool ownInsertion; // joined by InsertComponent, when whole: it hears itself join
    };
    const struct {
        const char* what;
        std::function<void(TForm*)> fill;
        std::vector<Listener> listeners;
    } cases[] = {
        {"made by code, a listener owned by a component the form owns among them",
         [](TForm* f) {
             Make<TInsertLog>(f, "Log1");
             auto* holder = Make<TComponent>(f, "Holder1");
             new TInsertLog(holder);
             Make<TButton>(f, "Button1");
             Make<TInsertLogLabel>(f, "LogLabel1");
             Make<TEdit>(f, "Edit1");
             Make<TLabel>(f, "Label1");
         },
         {{"Log1", "Log1", false}, {"", "Holder1", false}, {"LogLabel1", "LogLabel1", false}}},
        {"loaded from a stream, children of a panel among them",
         [](TForm* f) {
             LoadFromBytes(TextToBinary("object Form1: TForm\n"
                                        "  object Log1: TInsertLog\n  end\n"
                                        "  object Button1: TButton\n  end\n"
                                        "  object LogLabel1: TInsertLogLabel\n  end\n"
                                        "  object Panel1: TPanel\n"
                                        "    object Edit1: TEdit\n    end\n"
                                        "    object Label1: TLabel\n    end\n"
                                        "  end\n"
                                        "end\n"),
                           f);
         },
         {{"Log1", "Log1", false}, {"LogLabel1", "LogLabel1", false}}},
        {"joined by InsertComponent after it was made",
         [](TForm* f) {
             Make<TButton>(f, "Button1");
             auto* log = new TInsertLog(nullptr);
             log->SetName("Log1");
             f->InsertComponent(log);
             Make<TEdit>(f, "Edit1");
         },
         {{"Log1", "Log1", true}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto* form = new TForm(nullptr);
        c.fill(form);
        for (const Listener& l : c.listeners) {
            SCOPED_TRACE(l.from);
            TComponent* anchor = form->FindComponent(l.from);
            ASSERT_NE(anchor, nullptr);
            TComponent* listener = *l.name ? anchor : anchor->Components(0);
            std::vector<TComponent*>* heard = HeardBy(listener);
            ASSERT_NE(heard, nullptr);
            EXPECT_EQ(*heard, From(form, anchor->ComponentIndex() + (l.ownInsertion ? 0 : 1)));
        }
        form->Free();
    }
}
