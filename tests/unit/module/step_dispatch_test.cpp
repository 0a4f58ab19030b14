#include "module/step_dispatch.h"

#include "bucket_keys.h"
#include "module/module_exports.h"
#include "module/module_state.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A registry of 16 buckets in the module's globals, values standing in for drives.
class StepDispatch : public ::testing::Test {
protected:
    void SetUp() override {
        driveRegistry = new KeyedTable(4);
        stepBucketCount = driveRegistry->BucketCount();
        stepBucket = 0;
        stepChain = 0;
    }
    void TearDown() override {
        delete driveRegistry;
        driveRegistry = nullptr;
    }
    static uintptr_t NextValue() {
        KeyedEntry *entry = NextStepEntry();
        return entry ? entry->value : 0;
    }
};

const uintptr_t A = 0xA, B = 0xB, C = 0xC;

} // namespace

TEST_F(StepDispatch, EachDriveInTurnBucketsAscendingChainsFromTheHead) {
    std::string a = KeysInBucket(2, 16, 1, "A")[0];
    std::vector<std::string> chained = KeysInBucket(7, 16, 2, "BC");
    driveRegistry->Insert(a.c_str(), A);
    driveRegistry->Insert(chained[0].c_str(), B);
    driveRegistry->Insert(chained[1].c_str(), C);

    // Each call: the value stepped, then the bucket and the chain link the
    // dispatch points to. B has a link behind it: the call comes back to
    // where it began.
    using Stepped = std::tuple<uintptr_t, uint32_t, int32_t>;
    for (int round = 0; round < 2; ++round)
        for (const Stepped &expected : {Stepped{A, 3, 0}, Stepped{B, 3, 1}, Stepped{C, 8, 0}}) {
            const uintptr_t value = NextValue();
            EXPECT_EQ(Stepped(value, stepBucket, stepChain), expected);
        }

    // C goes while the dispatch points behind B: the chain starts over at B.
    EXPECT_EQ(NextValue(), A);
    EXPECT_EQ(NextValue(), B);
    driveRegistry->Remove(chained[1].c_str());
    for (uintptr_t value : {A, B, A, B})
        EXPECT_EQ(NextValue(), value);
}

// With one bucket (Drives=0) every drive is in its chain, taken from the head.
TEST_F(StepDispatch, OneBucketTakesItsWholeChainInTurn) {
    delete driveRegistry;
    driveRegistry = new KeyedTable(0);
    stepBucketCount = 1;
    for (uintptr_t value : {A, B, C})
        driveRegistry->Insert(std::to_string(value).c_str(), value);
    for (int round = 0; round < 2; ++round)
        for (uintptr_t value : {A, B, C})
            EXPECT_EQ(NextValue(), value) << round;
}

TEST_F(StepDispatch, NothingIsSteppedWithoutADriveOrARegistry) {
    stepBucket = 5;
    EXPECT_EQ(NextStepEntry(), nullptr);
    EXPECT_EQ(stepBucket, 5u); // one full pass over the empty buckets
    EXPECT_EQ(stepChain, 0);

    driveRegistry->Insert("a", 0);
    driveRegistry->Insert("b", 0);
    opcPreStep(1.0, 0.1, 0.0); // entries without a drive are passed over
    opcPreStep(1.1, 0.1, 0.0);

    delete driveRegistry;
    driveRegistry = nullptr;
    EXPECT_EQ(NextStepEntry(), nullptr);
    opcPreStep(1.2, 0.1, 0.0);
}
