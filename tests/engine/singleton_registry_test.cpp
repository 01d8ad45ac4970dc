#include "engine/singleton_registry.hpp"

#include <memory>
#include <stdexcept>

#include <gtest/gtest.h>

#include "engine/registry.hpp"

namespace velkor {
namespace {

struct Score {
    int points = 42;
};
struct Other {
    float value = 0.0f;
};

TEST(SingletonRegistry, GetCreatesWithDefaultsAndLeavesPresenceAlone) {
    auto reg = std::make_unique<Registry>();
    auto& singletons = reg->singletons;
    EXPECT_EQ(singletons.get<Score>().points, 42);
    EXPECT_FALSE(singletons.has<Score>());
    EXPECT_EQ(&singletons.get<Score>(), &singletons.get<Score>()) << "one object per type";
    EXPECT_EQ(singletons.owner(), reg.get());
}

TEST(SingletonRegistry, RemoveClearsPresenceButKeepsTheValue) {
    auto reg = std::make_unique<Registry>();
    auto& singletons = reg->singletons;
    singletons.set(Score{7});
    EXPECT_TRUE(singletons.has<Score>());
    EXPECT_FALSE(singletons.has<Other>()) << "presence is per type";
    singletons.remove<Score>();
    EXPECT_FALSE(singletons.has<Score>());
    EXPECT_EQ(singletons.get<Score>().points, 7);
    singletons.mark_present<Score>();
    EXPECT_TRUE(singletons.has<Score>());
    EXPECT_EQ(singletons.get<Score>().points, 7);
}

TEST(SingletonRegistry, PresenceIndexBeyondCapacityIsRejected) {
    auto reg = std::make_unique<Registry>();
    try {
        reg->singletons.set_bit(entity::MaxSingletons, true);
        FAIL() << "expected std::out_of_range";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid bitset position");
    }
}

TEST(SingletonRegistry, ClearingTheEntityStoreLeavesSingletons) {
    auto reg = std::make_unique<Registry>();
    reg->singletons.set(Score{3});
    reg->clear();
    EXPECT_TRUE(reg->singletons.has<Score>());
    EXPECT_EQ(reg->singletons.get<Score>().points, 3);
}

}  // namespace
}  // namespace velkor
