#include "serialization/transform.hpp"

#include <memory>

#include <gtest/gtest.h>

#include "serialization/prefab.hpp"
#include "support/json.hpp"

namespace velkor {
namespace {

using component::Transform;

using test::Parse;

void ExpectColumn(const glm::mat4& m, int column, glm::vec4 expected) {
    for (int row = 0; row < 4; ++row)
        EXPECT_NEAR(m[column][row], expected[row], 1e-6f) << "column " << column << " row " << row;
}

TEST(Transform, EmptyJsonKeepsDefaultsAndGivesAFlatIdentity) {
    Transform t;
    ReadTransform(t, Parse("{}"));
    EXPECT_EQ(t.Translation, glm::vec2(0.0f));
    EXPECT_EQ(t.Rotation, 0.0f);
    EXPECT_EQ(t.Scale, glm::vec2(1.0f));
    EXPECT_TRUE(t.Dirty);
    const glm::mat4& m = t.GetMatrix();
    ExpectColumn(m, 0, {1, 0, 0, 0});
    ExpectColumn(m, 1, {0, 1, 0, 0});
    ExpectColumn(m, 2, {0, 0, 0, 0});
    ExpectColumn(m, 3, {0, 0, 0, 1});
    EXPECT_FALSE(t.Dirty);
}

TEST(Transform, MatrixIsTranslateRotateScaleWithZeroDepth) {
    Transform t;
    ReadTransform(t, Parse(R"({"Translation": [3, 4], "Rotation": 90, "Scale": [2, 1]})"));
    const glm::mat4& m = t.GetMatrix();
    ExpectColumn(m, 0, {0, 2, 0, 0});
    ExpectColumn(m, 1, {-1, 0, 0, 0});
    ExpectColumn(m, 2, {0, 0, 0, 0});
    ExpectColumn(m, 3, {3, 4, 0, 1});
}

TEST(Transform, MatrixIsCachedUntilAWriteMarksItDirty) {
    Transform t;
    (void)t.GetMatrix();
    t.Translation = {9.0f, 9.0f};  // a write that forgot Dirty is not seen...
    EXPECT_EQ(t.GetMatrix()[3][0], 0.0f);
    t.SetTranslation({5.0f, 6.0f});  // ...one through the setter is
    EXPECT_TRUE(t.Dirty);
    EXPECT_EQ(t.GetMatrix()[3][0], 5.0f);
    EXPECT_EQ(t.GetMatrix()[3][1], 6.0f);
}

TEST(Transform, IllTypedKeysAreIgnored) {
    Transform t;
    (void)t.GetMatrix();
    ReadTransform(t, Parse(R"({"Translation": 5, "Scale": [1], "Rotation": "ninety"})"));
    EXPECT_EQ(t.Translation, glm::vec2(0.0f));
    EXPECT_EQ(t.Scale, glm::vec2(1.0f));
    EXPECT_EQ(t.Rotation, 0.0f);
    EXPECT_FALSE(t.Dirty);
}

TEST(Transform, ReadingAgainOverwritesOnlyThePresentKeys) {
    auto reg = std::make_unique<Registry>();
    const Entity e = CreateEntity(Parse(R"({"Transform": {"Translation": [1, 2], "Scale": [3, 3]}})"), *reg);
    Catalogue().readers[16](e, *reg, Parse(R"({"Rotation": 45.5, "Translation": [7, -1.5]})"));
    const Transform& t = reg->get<Transform>(e);
    EXPECT_EQ(t.Translation, glm::vec2(7.0f, -1.5f));
    EXPECT_EQ(t.Scale, glm::vec2(3.0f, 3.0f));
    EXPECT_FLOAT_EQ(t.Rotation, 45.5f);
    EXPECT_EQ(reg->pool<Transform>().size(), 1u);
}

}  // namespace
}  // namespace velkor
