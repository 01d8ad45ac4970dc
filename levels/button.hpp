// A menu button: what it shows and what pressing it does.
#pragma once

namespace velkor::component {

struct Button {};

}  // namespace velkor::component
