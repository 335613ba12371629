// Control classes whose windows are a host's own widgets, registered by name at run time.

#include <QWidget>

#include <array>
#include <memory>
#include <utility>

#include "host/controls/WidgetControl.h"
#include "host/core/SysUtils.h"
#include "host/qt/QtInterop.h"
#include "host/qt/Window_p.h"

namespace {
/// A registered name: its class reference and the factory of its widgets.
struct TWidgetClassEntry {
    std::unique_ptr<TMetaClass> Class;
    TWidgetFactory Factory;
};

/// How many names a program may register. A class reference constructs through a plain
/// function, which cannot carry the name, so each name takes one of this many creators.
constexpr size_t MaxWidgetClasses = 64;

std::array<TWidgetClassEntry, MaxWidgetClasses>& Entries() {
    static std::array<TWidgetClassEntry, MaxWidgetClasses> entries;
    return entries;
}

template <size_t N> TObject* CreateWidgetControl(TComponent* owner) {
    return new TWidgetControl(owner, Entries()[N].Class.get());
}

template <size_t... N>
constexpr std::array<TMetaClass::Creator, sizeof...(N)> MakeCreators(std::index_sequence<N...>) {
    return {&CreateWidgetControl<N>...};
}
constexpr auto Creators = MakeCreators(std::make_index_sequence<MaxWidgetClasses>());

/// The window class of a registered name: the factory's widget, a child of the parent window.
TWindowClass WindowClassOf(size_t slot) {
    TWindowClass cls;
    cls.Name = Entries()[slot].Class->ClassName();
    cls.Create = [slot](QWidget* parent) -> QWidget* {
        const TWidgetClassEntry& entry = Entries()[slot];
        QWidget* widget = entry.Factory(parent);
        if (!widget)
            throw EInvalidOperation("部件类“" + entry.Class->ClassName() + "”的工厂没有造出部件");
        if (widget->parentWidget() != parent) widget->setParent(parent);
        return widget;
    };
    return cls;
}
} // namespace

TClass RegisterWidgetClass(const std::string& ClassName, TWidgetFactory Factory) {
    if (!IsValidIdent(ClassName))
        throw EInvalidOperation("“" + ClassName + "”不是有效的类名");
    if (!Factory) throw EInvalidOperation("部件类“" + ClassName + "”没有工厂");
    auto& entries = Entries();
    size_t slot = MaxWidgetClasses;
    for (size_t i = 0; i < MaxWidgetClasses; ++i) {
        if (entries[i].Class && SameText(entries[i].Class->ClassName(), ClassName)) {
            entries[i].Factory = std::move(Factory);
            return entries[i].Class.get();
        }
        if (!entries[i].Class && slot == MaxWidgetClasses) slot = i;
    }
    if (TClass taken = GetClass(ClassName))
        throw EInvalidOperation("类名“" + ClassName + "”已是类“" + taken->ClassName() + "”的名字");
    if (slot == MaxWidgetClasses)
        throw EInvalidOperation("部件类已满：最多注册 " + IntToStr(int(MaxWidgetClasses)) + " 个");
    entries[slot].Class = std::make_unique<TMetaClass>(ClassName.c_str(),
                                                       TWidgetControl::StaticClass(),
                                                       Creators[slot], nullptr);
    entries[slot].Factory = std::move(Factory);
    RegisterClass(entries[slot].Class.get());
    RegisterWindowClass(WindowClassOf(slot));
    return entries[slot].Class.get();
}
