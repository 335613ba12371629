#pragma once
// A value set for the length of a scope, for the reader's and the writer's state.

/// Sets a variable and restores its previous value when the scope ends, whichever way it ends.
template <class T> class ScopedValue {
public:
    ScopedValue(T& ref, T value) : FRef(ref), FSaved(ref) { ref = value; }
    ~ScopedValue() { FRef = FSaved; }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& FRef;
    T FSaved;
};
