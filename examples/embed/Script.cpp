#include "Script.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "Dial.h"
#include "EmbedForm.h"
#include "Rating.h"
#include "host/stdctrls/StdCtrls.h"

namespace {
int gFailures = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!ok) ++gFailures;
}

TControl* Find(TEmbedForm* form, const std::string& name) {
    return Cast<TControl>(form->FindComponent(name));
}

std::string ReadFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool DesignsToolRow(TZkFormDesigner* designer) {
    for (int i = 0; i < designer->OverlayCount(); ++i)
        if (designer->Overlay(i)->Control()->Name() == "PanelTools") return true;
    return false;
}

/// The state that must survive saving and loading: the inserted rating, the inserted dial
/// (a Qt widget of the example's own) and a nested control.
struct TSnapshot {
    std::string RatingName;
    int RatingValue = 0;
    TRect RatingBounds;
    std::string RadioParent;
    TRect DialBounds;
    bool DialShowsWidget = false;

    static TSnapshot Of(TEmbedForm* form, const std::string& ratingName) {
        TSnapshot s;
        s.RatingName = ratingName;
        if (auto* rating = Cast<TRating>(form->FindComponent(ratingName))) {
            s.RatingValue = rating->Value();
            s.RatingBounds = rating->BoundsRect();
        }
        if (TControl* radio = Find(form, "RadioCompany"))
            s.RadioParent = radio->Parent() ? radio->Parent()->Name() : "";
        if (TControl* dial = Find(form, "DialInserted")) {
            s.DialBounds = dial->BoundsRect();
            s.DialShowsWidget = ShowsDialWidget(dial);
        }
        return s;
    }
    bool operator==(const TSnapshot&) const = default;
};
} // namespace

int RunScriptedSession(TEmbedForm* form, const std::string& FileName) {
    form->Show();
    Application->ProcessMessages();
    TZkFormDesigner* designer = form->Designer();

    form->DesignButton()->Click();
    Check(designer->IsDesigning(), "开始设计 starts a design session");
    Check(designer->FindOverlay(Find(form, "EditName")) != nullptr, "the edit is designed");
    Check(!DesignsToolRow(designer), "the tool row named in CannotDesignControls is not");

    TDesignControl* inserted = form->Insert(TRating::StaticClass());
    auto* rating = As<TRating>(inserted->Control());
    rating->SetValue(4);
    Check(inserted->Selected() && designer->Selection()->Count() == 1,
          "the palette inserts a rating and selects it");

    TControl* dial = form->Insert(DialClass())->Control();
    dial->SetName("DialInserted");
    Check(dial->ClassName() == "TDial" && ShowsDialWidget(dial),
          "the palette inserts a dial, whose window is the example's own Qt widget");
    Check(designer->FindOverlay(Find(form, "DialSpeed")) != nullptr, "the dial on the form is designed");

    TDesignControl* edit = designer->FindOverlay(Find(form, "EditName"));
    designer->ClearSelection(nullptr);
    edit->SetSelected(true);
    designer->DeleteSelection();
    Check(!edit->Visible(), "deleting the selected edit hides it");
    designer->Undo();
    Check(edit->Visible(), "undo brings it back");

    form->DesignButton()->Click();
    Check(!designer->IsDesigning(), "结束设计 ends the session");

    const TSnapshot saved = TSnapshot::Of(form, rating->Name());
    Check(saved.RatingValue == 4 && saved.RadioParent == "GroupKind",
          "the inserted rating belongs to the form");
    Check(saved.DialShowsWidget && saved.DialBounds.Width() == 120 &&
              saved.DialBounds.Height() == 24,
          "and so does the inserted dial, at the size the palette gave it");
    form->SaveToFile(FileName);
    Check(ReadFile(FileName).rfind("TPF0", 0) == 0, "the saved file is a component stream");

    rating->Free(); // changes after saving, which loading undoes
    dial->Free();
    form->LoadFromFile(FileName);
    Check(TSnapshot::Of(form, saved.RatingName) == saved,
          "loading brings the rating back with its value and bounds, the dial with its bounds "
          "and a widget its factory made anew, and the nested radio button in its group box");
    Check(Find(form, "EditName") && Find(form, "EditName")->Visible(), "and the edit");

    const std::string damaged = FileName + ".damaged";
    std::ofstream(damaged, std::ios::binary) << ReadFile(FileName).substr(0, 60);
    bool rejected = false;
    //! [catch-load]
    try {
        form->LoadFromFile(damaged); // the form stays as it was when this throws
    } catch (const Exception& e) {  // EReadError, EClassNotFound, EFOpenError ...
        rejected = true;
        std::printf("     (%s)\n", e.Message().c_str());
    }
    //! [catch-load]
    Check(rejected, "a damaged file is refused with the framework's error");
    Check(TSnapshot::Of(form, saved.RatingName) == saved, "and leaves the form as it was");

    form->DesignButton()->Click();
    TZkFormDesigner* loaded = form->Designer();
    Check(loaded->IsDesigning(), "the designer that came back with the form starts a session");
    Check(loaded->FindOverlay(Find(form, saved.RatingName)) != nullptr,
          "and designs the loaded controls");
    form->DesignButton()->Click();
    Check(!loaded->IsDesigning(), "and ends its session");

    if (gFailures)
        std::printf("%d step(s) failed\n", gFailures);
    else
        std::printf("scripted session OK\n");
    return gFailures ? 1 : 0;
}
