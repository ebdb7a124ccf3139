#include "store/owning_list.h"

#include <gtest/gtest.h>

#include <random>

namespace klaxora {
namespace {

// Counts the live records, so the test sees every record freed exactly once.
struct Tracked {
    explicit Tracked(int v, int& live) : value(v), liveCount(live) { ++liveCount; }
    ~Tracked() { --liveCount; }
    Tracked(const Tracked&) = delete;
    Tracked& operator=(const Tracked&) = delete;
    int value;
    int& liveCount;
};

void expectSame(const OwningList<Tracked>& list, const std::vector<int>& model)
{
    ASSERT_EQ(list.count(), static_cast<int>(model.size()));
    for (int i = 0; i < list.count(); ++i)
        ASSERT_EQ(list[i].value, model[static_cast<std::size_t>(i)]) << "at " << i;
}

TEST(OwningList, BehavesLikeAVectorUnderRandomInsertsAndRemovals)
{
    int live = 0;
    {
        OwningList<Tracked> list;
        std::vector<int> model;
        std::mt19937 random(11);
        for (int step = 0; step < 30000; ++step) {
            // Grow for a while, then shrink, so blocks are split and joined.
            const bool grow = model.empty() || (step / 6000) % 2 == 0 ? random() % 10 < 8 : random() % 10 < 2;
            if (grow) {
                const int at = random() % 3 == 0 ? static_cast<int>(model.size())
                                                 : static_cast<int>(random() % (model.size() + 1));
                list.insert(at, std::make_unique<Tracked>(step, live));
                model.insert(model.begin() + at, step);
            } else {
                const int at = static_cast<int>(random() % model.size());
                list.removeAt(at);
                model.erase(model.begin() + at);
            }
            if (step % 997 == 0)
                expectSame(list, model);
            ASSERT_EQ(live, static_cast<int>(model.size()));
        }
        expectSame(list, model);
        EXPECT_EQ(list.last().value, model.back());
        while (!list.empty())
            list.removeAt(0);
        EXPECT_EQ(live, 0);
        for (int i = 0; i < 2000; ++i)
            list.append(std::make_unique<Tracked>(i, live));
        EXPECT_EQ(list[1999].value, 1999);
    }
    EXPECT_EQ(live, 0) << "the list frees its records";
}

TEST(OwningList, AssignFromTakesOverRecordsInOrder)
{
    int live = 0;
    OwningList<Tracked> list;
    list.append(std::make_unique<Tracked>(-1, live));
    std::vector<std::unique_ptr<Tracked>> items;
    for (int i = 0; i < 1500; ++i)
        items.push_back(std::make_unique<Tracked>(i, live));
    list.assignFrom(items);
    EXPECT_TRUE(items.empty());
    EXPECT_EQ(live, 1500);
    std::vector<int> model(1500);
    for (int i = 0; i < 1500; ++i)
        model[static_cast<std::size_t>(i)] = i;
    expectSame(list, model);
    list.insert(700, std::make_unique<Tracked>(9999, live));
    model.insert(model.begin() + 700, 9999);
    expectSame(list, model);
    list.clear();
    EXPECT_EQ(live, 0);
}

} // namespace
} // namespace klaxora
