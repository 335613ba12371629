// The common dialogs' own logic: Execute with its runner, the dialogs' state, file filters.

#include "host/dialogs/Dialogs.h"

namespace {
TDialogRunner& CurrentDialogRunner() {
    static TDialogRunner runner;
    return runner;
}
} // namespace

bool TCommonDialog::Execute() {
    OnShow(this);
    const TDialogRunner& runner = CurrentDialogRunner();
    const bool confirmed = runner ? runner(this) : ShowNative();
    OnClose(this);
    return confirmed;
}

TDialogRunner SetDialogRunner(TDialogRunner Runner) {
    TDialogRunner previous = std::move(CurrentDialogRunner());
    CurrentDialogRunner() = std::move(Runner);
    return previous;
}

TFontDialog::TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFont(new TFont) {}

TFontDialog::~TFontDialog() {
    FFont->Free();
}

TColorDialog::TColorDialog(TComponent* AOwner)
    : TCommonDialog(AOwner), FCustomColors(new TStringList) {}

TColorDialog::~TColorDialog() {
    FCustomColors->Free();
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFiles(new TStringList) {}

TOpenDialog::~TOpenDialog() {
    FFiles->Free();
}

TOpenPictureDialog::TOpenPictureDialog(TComponent* AOwner) : TOpenDialog(AOwner) {
    SetFilter(GraphicFilter(TGraphic::StaticClass()));
}

bool TOpenPictureDialog::IsFilterStored() const {
    return Filter() != GraphicFilter(TGraphic::StaticClass());
}

std::vector<TFileFilter> ParseFileFilter(const std::string& Filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t bar = Filter.find('|', start);
        parts.push_back(Filter.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<TFileFilter> out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        TFileFilter f;
        f.Description = parts[i];
        size_t from = 0;
        const std::string& masks = parts[i + 1];
        for (;;) {
            size_t semi = masks.find(';', from);
            std::string mask =
                Trim(masks.substr(from, semi == std::string::npos ? semi : semi - from));
            if (!mask.empty()) f.Patterns.push_back(mask);
            if (semi == std::string::npos) break;
            from = semi + 1;
        }
        if (!f.Patterns.empty()) out.push_back(std::move(f));
    }
    return out;
}
