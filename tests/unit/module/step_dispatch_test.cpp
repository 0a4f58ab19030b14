#include "module/step_dispatch.h"

#include "bucket_keys.h"
#include "module/base/module_state.h"
#include "module/module_exports.h"

#include <gtest/gtest.h>

namespace {

// A registry of 16 buckets in the module's globals, values standing in for drives.
class StepDispatch : public ::testing::Test {
protected:
    void SetUp() override {
        driveRegistry = new KeyedTable(4);
        ResetStepDispatch(driveRegistry->BucketCount());
    }
    void TearDown() override {
        delete driveRegistry;
        driveRegistry = nullptr;
        ResetStepDispatch(0);
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

    for (int round = 0; round < 2; ++round)
        for (uintptr_t value : {A, B, C})
            EXPECT_EQ(NextValue(), value) << round;

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
    ResetStepDispatch(driveRegistry->BucketCount());
    for (uintptr_t value : {A, B, C})
        driveRegistry->Insert(std::to_string(value).c_str(), value);
    for (int round = 0; round < 2; ++round)
        for (uintptr_t value : {A, B, C})
            EXPECT_EQ(NextValue(), value) << round;
}

// A search that finds nothing ends after one pass, where it began.
TEST_F(StepDispatch, APassOverEmptyBucketsEndsWhereItBegan) {
    const std::string first = KeysInBucket(4, 16, 1, "A")[0];
    driveRegistry->Insert(first.c_str(), A);
    EXPECT_EQ(NextValue(), A); // the search goes on from bucket 5
    driveRegistry->Remove(first.c_str());
    EXPECT_EQ(NextStepEntry(), nullptr);

    driveRegistry->Insert(KeysInBucket(2, 16, 1, "B")[0].c_str(), B);
    driveRegistry->Insert(KeysInBucket(7, 16, 1, "C")[0].c_str(), C);
    for (uintptr_t value : {C, B, C})
        EXPECT_EQ(NextValue(), value);
}

TEST_F(StepDispatch, NothingIsSteppedWithoutADriveOrARegistry) {
    EXPECT_EQ(NextStepEntry(), nullptr);

    driveRegistry->Insert("a", 0);
    driveRegistry->Insert("b", 0);
    opcPreStep(1.0, 0.1, 0.0); // entries without a drive are passed over
    opcPreStep(1.1, 0.1, 0.0);

    delete driveRegistry;
    driveRegistry = nullptr;
    EXPECT_EQ(NextStepEntry(), nullptr);
    opcPreStep(1.2, 0.1, 0.0);
}
