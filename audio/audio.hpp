// Updates group volumes and ambient sounds.
#pragma once

#include "engine/system.hpp"

namespace velkor::component {

struct Audio {};

}  // namespace velkor::component

namespace velkor::system {

class Audio final : public iSystem {
public:
    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;
};

}  // namespace velkor::system
