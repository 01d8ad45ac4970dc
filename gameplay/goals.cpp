#include "gameplay/goals.hpp"

namespace velkor::util {

// Bodies arrive with the checkpoint, goal and collectable work; until then a touch changes nothing.
void CheckpointResponse(Entity, Registry&) {}
void GoalResponse(Entity, Registry&) {}
void CollectableResponse(Entity, Registry&) {}

}  // namespace velkor::util
