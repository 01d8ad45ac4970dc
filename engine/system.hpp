// The system framework: the three-phase interface every system implements, and the template for
// systems that visit every entity having a given set of component types.
#pragma once

#include <tuple>

#include "engine/registry.hpp"

namespace velkor::system {

class iSystem {
public:
    virtual void Init(Registry& registry) = 0;
    virtual void Update(float dt, Registry& registry) = 0;
    virtual void Shutdown(Registry& registry) = 0;
    virtual ~iSystem() = default;
};

template <class Include, class Exclude = std::tuple<>>
class System;

// Builds a fresh view over T... every frame (so entities created earlier in the frame are seen)
// and hands it to the update hook, which walks it.
template <class... T>
class System<std::tuple<T...>, std::tuple<>> : public iSystem {
public:
    using View = Registry::View;

    void Init(Registry& registry) override { InitHook(registry); }
    void Update(float dt, Registry& registry) override {
        View view = registry.template view<T...>();
        UpdateHook(dt, view);
    }
    void Shutdown(Registry& registry) override { ShutdownHook(registry); }

protected:
    virtual void InitHook(Registry& registry) = 0;
    virtual void UpdateHook(float dt, View& view) = 0;
    virtual void ShutdownHook(Registry& registry) = 0;
};

}  // namespace velkor::system
