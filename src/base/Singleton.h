// Process-wide managers: created on first use through `get`, destroyed only
// by the tear-down handler through `destroy`, which may run more than once.
// `exists` lets the tear-down handler skip managers that were never made.
#pragma once

template <class T> class cSingleton {
public:
    static T& get() {
        if (!instance_)
            instance_ = new T();
        return *instance_;
    }
    static bool exists() { return instance_ != nullptr; }
    static void destroy() {
        delete instance_;
        instance_ = nullptr;
    }

private:
    static inline T* instance_ = nullptr;
};
