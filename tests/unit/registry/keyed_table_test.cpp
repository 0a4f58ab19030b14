#include "bucket_keys.h"
#include "registry/keyed_table.h"

#include <gtest/gtest.h>

#include <set>

TEST(KeyedTable, NewTableIsEmpty) {
    KeyedTable table(4);
    EXPECT_TRUE(table.empty);
    EXPECT_EQ(table.BucketCount(), 16u);
    EXPECT_EQ(table.Find("a"), 0u);
    EXPECT_EQ(table.RemoveNext(false), 0u);
    EXPECT_EQ(table.RemoveNext(true), 0u);
    for (uint32_t i = 0; i < 16; ++i) {
        ASSERT_NE(table.BucketAt(i), nullptr);
        EXPECT_EQ(table.BucketAt(i)->key, nullptr);
        EXPECT_EQ(table.BucketAt(i)->next, nullptr);
    }
    EXPECT_EQ(table.BucketAt(16), nullptr);
}

TEST(KeyedTable, InsertFindAndReplace) {
    KeyedTable table(4);
    EXPECT_EQ(table.Insert("alpha", 11), 0u);
    EXPECT_FALSE(table.empty);
    EXPECT_EQ(table.Find("alpha"), 11u);
    EXPECT_EQ(table.Insert("alpha", 12), 11u);
    EXPECT_EQ(table.Find("alpha"), 12u);
    EXPECT_EQ(table.EntryCount(), 1u);
    EXPECT_EQ(table.UsedBuckets(), 1u);
    // Case matters.
    EXPECT_EQ(table.Find("Alpha"), 0u);
    EXPECT_EQ(table.Insert("Alpha", 13), 0u);
    EXPECT_EQ(table.Find("alpha"), 12u);
    EXPECT_EQ(table.Find("Alpha"), 13u);
}

TEST(KeyedTable, KeepsItsOwnCopyOfTheKey) {
    KeyedTable table(2);
    char key[] = "vessel";
    table.Insert(key, 5);
    key[0] = 'V';
    EXPECT_EQ(table.Find("vessel"), 5u);
}

TEST(KeyedTable, NullKeyChangesNothing) {
    KeyedTable table(4);
    EXPECT_EQ(table.Insert(nullptr, 7), 0u);
    EXPECT_TRUE(table.empty);
    EXPECT_EQ(table.EntryCount(), 0u);
    EXPECT_EQ(table.Find(nullptr), 0u);
}

TEST(KeyedTable, ValuesArePointerSized) {
    KeyedTable table(4);
    int object = 0;
    uintptr_t pointer = reinterpret_cast<uintptr_t>(&object);
    table.Insert("p", pointer);
    EXPECT_EQ(table.Find("p"), pointer);
    EXPECT_EQ(table.RemoveNext(false), pointer);
}

TEST(KeyedTable, CollidingKeysChainInInsertionOrder) {
    KeyedTable table(4);
    std::vector<std::string> keys = KeysInBucket(5, 16, 3);
    table.Insert(keys[0].c_str(), 1);
    table.Insert(keys[1].c_str(), 2);
    table.Insert(keys[2].c_str(), 3);
    EXPECT_EQ(table.EntryCount(), 3u);
    EXPECT_EQ(table.UsedBuckets(), 1u);

    KeyedEntry *head = table.BucketAt(5);
    EXPECT_STREQ(head->key, keys[0].c_str());
    ASSERT_NE(head->next, nullptr);
    EXPECT_STREQ(head->next->key, keys[1].c_str());
    ASSERT_NE(head->next->next, nullptr);
    EXPECT_STREQ(head->next->next->key, keys[2].c_str());
    EXPECT_EQ(head->next->next->next, nullptr);

    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(table.Find(keys[i].c_str()), uintptr_t(i + 1));
    }
    // Replacing a chained value keeps the counts.
    EXPECT_EQ(table.Insert(keys[2].c_str(), 30), 3u);
    EXPECT_EQ(table.Find(keys[2].c_str()), 30u);
    EXPECT_EQ(table.EntryCount(), 3u);
    // Absent key of the same bucket.
    EXPECT_EQ(table.Find(KeysInBucket(5, 16, 4)[3].c_str()), 0u);
}

TEST(KeyedTable, RemoveNextTakesTheChainFromItsHead) {
    KeyedTable table(4);
    std::vector<std::string> keys = KeysInBucket(9, 16, 2);
    table.Insert(keys[0].c_str(), 100);
    table.Insert(keys[1].c_str(), 200);

    EXPECT_EQ(table.RemoveNext(false), 100u);
    // The second entry moved into the head slot; the cursor stays on it.
    EXPECT_STREQ(table.BucketAt(9)->key, keys[1].c_str());
    EXPECT_EQ(table.BucketAt(9)->next, nullptr);
    EXPECT_EQ(table.DrainCursor(), 9u);
    EXPECT_FALSE(table.empty);
    EXPECT_EQ(table.Find(keys[1].c_str()), 200u);

    EXPECT_EQ(table.RemoveNext(false), 200u);
    EXPECT_TRUE(table.empty);
    EXPECT_EQ(table.RemoveNext(false), 0u);
    EXPECT_TRUE(table.empty);
}

TEST(KeyedTable, RemoveNextGoesInBucketOrderAndWrapsAround) {
    KeyedTable table(3);
    std::string inBucket1 = KeysInBucket(1, 8, 1)[0];
    std::string inBucket6 = KeysInBucket(6, 8, 1)[0];
    table.Insert(inBucket6.c_str(), 6);
    table.Insert(inBucket1.c_str(), 1);
    EXPECT_EQ(table.RemoveNext(false), 1u);
    EXPECT_EQ(table.DrainCursor(), 2u);
    // A new entry behind the cursor is reached after wrapping around.
    std::string inBucket0 = KeysInBucket(0, 8, 1)[0];
    table.Insert(inBucket0.c_str(), 10);
    EXPECT_EQ(table.RemoveNext(false), 6u);
    EXPECT_EQ(table.RemoveNext(false), 10u);
    EXPECT_TRUE(table.empty);
}

TEST(KeyedTable, RestartBeginsAtBucketZero) {
    KeyedTable table(3);
    std::string inBucket2 = KeysInBucket(2, 8, 1)[0];
    std::string inBucket5 = KeysInBucket(5, 8, 1)[0];
    std::string inBucket7 = KeysInBucket(7, 8, 1)[0];
    table.Insert(inBucket2.c_str(), 2);
    table.Insert(inBucket5.c_str(), 5);
    table.Insert(inBucket7.c_str(), 7);
    EXPECT_EQ(table.RemoveNext(false), 2u);
    EXPECT_EQ(table.RemoveNext(false), 5u);
    table.Insert(inBucket2.c_str(), 22);
    EXPECT_EQ(table.RemoveNext(true), 22u);
}

TEST(KeyedTable, DrainedTableIsCleanAndCanBeRefilled) {
    KeyedTable table(4);
    std::set<uintptr_t> inserted;
    for (uintptr_t v = 1; v <= 40; ++v) {
        table.Insert(("drive" + std::to_string(v)).c_str(), v);
        inserted.insert(v);
    }
    EXPECT_EQ(table.EntryCount(), 40u);
    std::set<uintptr_t> removed;
    while (!table.empty) {
        removed.insert(table.RemoveNext(false));
    }
    EXPECT_EQ(removed, inserted);
    EXPECT_EQ(table.EntryCount(), 0u);
    EXPECT_EQ(table.UsedBuckets(), 0u);
    for (uint32_t i = 0; i < table.BucketCount(); ++i) {
        EXPECT_EQ(table.BucketAt(i)->key, nullptr);
        EXPECT_EQ(table.BucketAt(i)->next, nullptr);
        EXPECT_EQ(table.BucketAt(i)->value, 0u);
    }
    table.Insert("again", 3);
    EXPECT_EQ(table.Find("again"), 3u);
}

TEST(KeyedTable, DestroyingAFilledTableFreesKeysAndLinks) {
    // Leak checking of the sanitizer build sees any key copy or link left behind.
    KeyedTable *table = new KeyedTable(1);
    for (int n = 0; n < 10; ++n) {
        table->Insert(("k" + std::to_string(n)).c_str(), uintptr_t(n));
    }
    delete table;
}

TEST(KeyedTable, ExponentOf32OrMoreGivesARefusedTable) {
    for (uint8_t exponent : {uint8_t(32), uint8_t(200), uint8_t(255)}) {
        KeyedTable table(exponent);
        EXPECT_FALSE(table.Allocated());
        EXPECT_EQ(table.BucketCount(), 0u);
        EXPECT_EQ(table.BucketAt(0), nullptr);
        EXPECT_EQ(table.Insert("a", 1), 0u);
        EXPECT_TRUE(table.empty);
        EXPECT_EQ(table.Find("a"), 0u);
        EXPECT_EQ(table.RemoveNext(true), 0u);
    }
}

TEST(KeyedTable, ExponentZeroHasOneBucket) {
    KeyedTable table(0);
    EXPECT_EQ(table.BucketCount(), 1u);
    table.Insert("a", 1);
    table.Insert("b", 2);
    EXPECT_EQ(table.UsedBuckets(), 1u);
    EXPECT_EQ(table.RemoveNext(false), 1u);
    EXPECT_EQ(table.RemoveNext(false), 2u);
}
