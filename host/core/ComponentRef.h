#pragma once
// A pointer to a component that becomes null when the component is freed.

#include "host/core/Component.h"

/// Watches one component through its free notification, for code that keeps a pointer across
/// a call that may free it (a modal loop, an event handler).
template <class T> class TComponentRef : private TComponent {
public:
    explicit TComponentRef(T* Watched) : TComponent(nullptr), FWatched(Watched) {
        if (FWatched) FWatched->FreeNotification(this);
    }
    ~TComponentRef() override {
        if (FWatched) FWatched->RemoveFreeNotification(this);
    }
    TComponentRef(const TComponentRef&) = delete;
    TComponentRef& operator=(const TComponentRef&) = delete;

    T* Get() const { return FWatched; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FWatched) FWatched = nullptr;
    }

private:
    T* FWatched;
};
