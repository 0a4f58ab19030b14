// The text-keyed hash table: its own key copies, chains in insertion
// order, the drain in bucket order, removal from anywhere in a chain, the
// refused table, and the hash (the starved table: tests/unit/alloc).
#include "bucket_keys.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

// The keys of a bucket's chain, head first.
static std::vector<std::string> Chain(const KeyedTable &table, uint32_t bucket) {
    std::vector<std::string> keys;
    for (const KeyedEntry *e = table.BucketAt(bucket); e && e->key; e = e->next)
        keys.push_back(e->key);
    return keys;
}

TEST(KeyedTable, InsertFindAndReplaceWithAnOwnCopyOfTheKey) {
    KeyedTable table(4);
    EXPECT_TRUE(table.empty);
    EXPECT_EQ(table.RemoveNext(true), 0u);
    EXPECT_EQ(table.Insert(nullptr, 7), 0u); // a null key changes nothing
    EXPECT_TRUE(table.empty);

    char key[] = "alpha";
    EXPECT_EQ(table.Insert(key, 11), 0u);
    key[0] = 'A'; // the table keeps its own copy
    EXPECT_FALSE(table.empty);
    EXPECT_EQ(table.Insert("alpha", 12), 11u);
    EXPECT_EQ(table.Find("alpha"), 12u);
    EXPECT_EQ(table.EntryCount(), 1u);
    // Case matters.
    EXPECT_EQ(table.Find("Alpha"), 0u);
    EXPECT_EQ(table.Insert("Alpha", 13), 0u);
    EXPECT_EQ(table.Find("alpha"), 12u);
    EXPECT_EQ(table.Find("Alpha"), 13u);
}

TEST(KeyedTable, CollidingKeysChainInInsertionOrderAndLeaveFromTheHead) {
    KeyedTable table(4);
    std::vector<std::string> keys = KeysInBucket(5, 16, 4);
    for (int i = 0; i < 3; ++i)
        table.Insert(keys[i].c_str(), uintptr_t(i + 1));
    EXPECT_EQ(std::make_pair(table.EntryCount(), table.UsedBuckets()), std::make_pair(3u, 1u));
    EXPECT_EQ(Chain(table, 5), (std::vector<std::string>{keys[0], keys[1], keys[2]}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(table.Find(keys[i].c_str()), uintptr_t(i + 1));
    // Replacing a chained value keeps the counts.
    EXPECT_EQ(table.Insert(keys[2].c_str(), 30), 3u);
    EXPECT_EQ(table.EntryCount(), 3u);
    // Absent key of the same bucket.
    EXPECT_EQ(table.Find(keys[3].c_str()), 0u);

    EXPECT_EQ(table.RemoveNext(false), 1u);
    // The second entry moved into the head slot; the cursor stays on it.
    EXPECT_STREQ(table.BucketAt(5)->key, keys[1].c_str());
    EXPECT_EQ(table.DrainCursor(), 5u);
    EXPECT_FALSE(table.empty);
    EXPECT_EQ(table.Find(keys[1].c_str()), 2u);
    EXPECT_EQ(table.RemoveNext(false), 2u);
    EXPECT_EQ(table.RemoveNext(false), 30u);
    EXPECT_TRUE(table.empty);
    EXPECT_EQ(table.RemoveNext(false), 0u);
    EXPECT_TRUE(table.empty);
}

TEST(KeyedTable, RemoveNextGoesInBucketOrderWrapsAroundAndRestartsAtZero) {
    KeyedTable table(3);
    auto inBucket = [](uint32_t bucket) { return KeysInBucket(bucket, 8, 1)[0]; };
    table.Insert(inBucket(6).c_str(), 6);
    table.Insert(inBucket(1).c_str(), 1);
    EXPECT_EQ(table.RemoveNext(false), 1u);
    EXPECT_EQ(table.DrainCursor(), 2u);
    // A new entry behind the cursor is reached after wrapping around.
    table.Insert(inBucket(0).c_str(), 10);
    EXPECT_EQ(table.RemoveNext(false), 6u);
    EXPECT_EQ(table.RemoveNext(false), 10u);
    EXPECT_TRUE(table.empty);

    table.Insert(inBucket(6).c_str(), 6);
    table.Insert(inBucket(2).c_str(), 2);
    EXPECT_EQ(table.RemoveNext(false), 2u);
    table.Insert(inBucket(0).c_str(), 10);
    EXPECT_EQ(table.RemoveNext(true), 10u);
}

TEST(KeyedTable, DrainedTableIsCleanAndCanBeRefilled) {
    KeyedTable table(4);
    std::vector<uintptr_t> all(40);
    std::iota(all.begin(), all.end(), 1);
    for (uintptr_t v : all)
        table.Insert(("drive" + std::to_string(v)).c_str(), v);
    std::set<uintptr_t> removed;
    while (!table.empty)
        removed.insert(table.RemoveNext(false));
    EXPECT_EQ(std::vector<uintptr_t>(removed.begin(), removed.end()), all);
    EXPECT_EQ(table.EntryCount() + table.UsedBuckets(), 0u);
    for (uint32_t i = 0; i < table.BucketCount(); ++i)
        EXPECT_TRUE(!table.BucketAt(i)->key && !table.BucketAt(i)->next &&
                    !table.BucketAt(i)->value)
            << i;
    table.Insert("again", 3);
    EXPECT_EQ(table.Find("again"), 3u);
}

// An exponent of 32 or more gives a refused table, on which every operation
// is a harmless no-op.
TEST(KeyedTable, ExponentOf32OrMoreGivesARefusedTable) {
    for (uint8_t exponent : {uint8_t(32), uint8_t(40), uint8_t(255)}) {
        KeyedTable table(exponent);
        EXPECT_FALSE(table.Allocated());
        EXPECT_EQ(table.BucketCount(), 0u);
        EXPECT_EQ(table.BucketAt(0), nullptr);
        EXPECT_EQ(table.Insert("a", 1), 0u);
        EXPECT_TRUE(table.empty);
        EXPECT_EQ(table.Find("a") + table.Remove("a") + table.RemoveNext(true), 0u);
    }
}

// A key leaves from wherever it stands in its chain; the rest of the chain
// keeps its order and the counts follow.
TEST(KeyedTable, RemoveTakesOneKeyOutOfHeadMiddleOrTail) {
    KeyedTable table(4);
    std::vector<std::string> keys = KeysInBucket(9, 16, 5);
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(table.Insert(keys[i].c_str(), uintptr_t(i + 1)), 0u);
    table.Insert("elsewhere", 50);
    const uint32_t used = table.UsedBuckets();

    EXPECT_EQ(table.Remove(nullptr), 0u);
    EXPECT_EQ(table.Remove(keys[4].c_str()), 0u) << "absent key of the same bucket";
    EXPECT_EQ(table.Remove("nowhere"), 0u);
    EXPECT_EQ(table.EntryCount(), 5u);

    EXPECT_EQ(table.Remove(keys[1].c_str()), 2u); // middle
    EXPECT_EQ(table.Remove(keys[1].c_str()), 0u) << "gone once";
    EXPECT_EQ(table.Remove(keys[0].c_str()), 1u); // head: the next link moves up
    EXPECT_EQ(Chain(table, 9), (std::vector<std::string>{keys[2], keys[3]}));
    EXPECT_EQ(table.Remove(keys[3].c_str()), 4u); // tail
    EXPECT_EQ(Chain(table, 9), std::vector<std::string>{keys[2]});
    EXPECT_EQ(std::make_pair(table.EntryCount(), table.UsedBuckets()), std::make_pair(2u, used));
    EXPECT_EQ(table.Find(keys[2].c_str()), 3u);

    EXPECT_EQ(table.Remove(keys[2].c_str()), 3u); // alone in its bucket
    EXPECT_TRUE(Chain(table, 9).empty());
    EXPECT_EQ(table.UsedBuckets(), used - 1);
    EXPECT_FALSE(table.empty);
    EXPECT_EQ(table.Remove("elsewhere"), 50u);
    EXPECT_TRUE(table.empty);
    EXPECT_EQ(table.UsedBuckets(), 0u);
    EXPECT_EQ(table.RemoveNext(true), 0u);
}

// lookup2 over every tail length and block count up to 60 bytes, unaligned,
// with bytes of every value (high ones too, so that sign extension would
// show) and three initial values, folded into one value. Pinned against Bob
// Jenkins' published lookup2; a null key of length 0 hashes as any.
TEST(KeyedTable, HashKeyIsLookup2) {
    uint8_t bytes[61];
    for (size_t i = 0; i < sizeof bytes; ++i)
        bytes[i] = uint8_t(i * 97 + 200);
    uint32_t folded = 0;
    for (uint32_t initial : {0u, 1u, 0xdeadbeefu})
        for (uint32_t length = 0; length <= 60; ++length)
            folded = folded * 31 + KeyedTable::HashKey(bytes + 1, length, initial);
    EXPECT_EQ(folded, 615847809u);
    EXPECT_EQ(KeyedTable::HashKey(nullptr, 0, 0), 0xbd49d10du);
}
