#include "module/step_dispatch.h"

#include "bucket_keys.h"
#include "module/module_exports.h"
#include "module/module_state.h"

#include <gtest/gtest.h>

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
        stepBucketCount = 0;
        stepBucket = 0;
        stepChain = 0;
    }

    static uintptr_t NextValue() {
        KeyedEntry *entry = NextStepEntry();
        return entry ? entry->value : 0;
    }
};

const uintptr_t A = 0xA, B = 0xB, C = 0xC;

} // namespace

TEST_F(StepDispatch, EmptyRegistryStepsNothing) {
    stepBucket = 5;
    EXPECT_EQ(NextStepEntry(), nullptr);
    // One full pass brings the cursor back to where it began.
    EXPECT_EQ(stepBucket, 5u);
    EXPECT_EQ(stepChain, 0);
}

TEST_F(StepDispatch, EachDriveInTurnBucketsAscendingChainsFromTheHead) {
    std::string a = KeysInBucket(2, 16, 1, "A")[0];
    std::vector<std::string> chained = KeysInBucket(7, 16, 2, "BC");
    driveRegistry->Insert(a.c_str(), A);
    driveRegistry->Insert(chained[0].c_str(), B);
    driveRegistry->Insert(chained[1].c_str(), C);

    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(NextValue(), A);
        EXPECT_EQ(stepBucket, 3u);

        // B has a link behind it: the call comes back to where it began.
        uint32_t before = stepBucket;
        EXPECT_EQ(NextValue(), B);
        EXPECT_EQ(stepBucket, before);
        EXPECT_EQ(stepChain, 1);

        EXPECT_EQ(NextValue(), C);
        EXPECT_EQ(stepBucket, 8u);
        EXPECT_EQ(stepChain, 0);
    }
}

TEST_F(StepDispatch, SingleDriveIsSteppedAtEveryCall) {
    std::string key = KeysInBucket(15, 16, 1)[0];
    driveRegistry->Insert(key.c_str(), A);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(NextValue(), A);
        EXPECT_EQ(stepBucket, 0u);
    }
}

TEST_F(StepDispatch, ChainShorterThanTheCursorStartsOverAtItsHead) {
    std::vector<std::string> keys = KeysInBucket(4, 16, 1);
    driveRegistry->Insert(keys[0].c_str(), A);
    stepChain = 3; // left over from a longer chain
    // The call that finds the chain too short steps nothing; the next one
    // starts the chain again from its head.
    EXPECT_EQ(NextStepEntry(), nullptr);
    EXPECT_EQ(stepChain, 0);
    EXPECT_EQ(NextValue(), A);
}

TEST_F(StepDispatch, CursorOutsideTheBucketsStartsAgainAtZero) {
    std::string key = KeysInBucket(1, 16, 1)[0];
    driveRegistry->Insert(key.c_str(), A);
    stepBucket = 99;
    EXPECT_EQ(NextValue(), A);
    EXPECT_EQ(stepBucket, 2u);
}

TEST_F(StepDispatch, MissingOrRefusedRegistryStepsNothing) {
    delete driveRegistry;
    driveRegistry = nullptr;
    EXPECT_EQ(NextStepEntry(), nullptr);
    opcPreStep(1.0, 0.1, 0.0);

    driveRegistry = new KeyedTable(40);
    stepBucketCount = driveRegistry->BucketCount();
    EXPECT_EQ(NextStepEntry(), nullptr);
    opcPreStep(1.0, 0.1, 0.0);
}

TEST_F(StepDispatch, PreStepSkipsAnEntryWithoutADrive) {
    std::vector<std::string> keys = KeysInBucket(3, 16, 2);
    driveRegistry->Insert(keys[0].c_str(), 0);
    driveRegistry->Insert(keys[1].c_str(), 0);
    opcPreStep(1.0, 0.1, 0.0);
    EXPECT_EQ(stepChain, 1);
    opcPreStep(1.1, 0.1, 0.0);
    EXPECT_EQ(stepChain, 0);
}
