#include "tasks/store_codec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "store_bytes.h"
#include "task_samples.h"

namespace tockly {
namespace {

using testing::FixLength;
using ::testing::HasSubstr;
using testing::SampleStore;
using testing::StoreBytes;

// The file of SampleStore(), written out from the format field by field.
std::vector<std::uint8_t> SampleStoreFile() {
    StoreBytes b;
    b.Int(1)  // Application
        .Text(u"Backup \u00e9t\u00e9")
        .Byte(0)  // action 1, inverted
        .Time(28, 2, 2024, 22, 15, 0)
        .Time(29, 2, 2024, 1, 30, 45)
        .Text(u"C:\\Tools\\backup.exe")
        .Text(u"--all \"D:\\\"")
        .Text(u"C:\\Tools")
        .Text(u"4242")
        .Bytes({1, 0, 1, 1, 1, 0})
        .Ints({-120, 640, 30});
    b.Int(1)  // PrintScreen
        .Text(u"Shots")
        .Text(u"D:\\Pictures")
        .Text(u"screen_")
        .Ints({2, -1, 1})
        .Time(31, 12, 2023, 23, 59, 0)
        .Time(1, 1, 2024, 0, 5, 0)
        .Ints({0, 1, 30})  // repeat period: hours, minutes, seconds
        .Int(2)
        .Ints({1, 15, 0})  // execute for: no days
        .Bytes({0, 1, 1, 0, 1})
        .Ints({10, 20, 0, 17});
    b.Int(1)  // Internet
        .Text(u"Dial")
        .Byte(1)  // action 0, inverted
        .Text(u"Office \u260e")
        .Byte(0)  // at/in 1, inverted
        .Time(1, 6, 2025, 8, 0, 0)
        .Time(1, 6, 2025, 9, 30, 15)
        .Ints({1, 30, 15})
        .Bytes({1, 1, 0, 1, 1})
        .Ints({1900, -5, 90});
    b.Int(1)  // Power
        .Text(u"Night")
        .Int(6)   // action, not inverted
        .Byte(1)  // at/in 0, inverted
        .Time(3, 11, 2024, 1, 0, 0)
        .Time(5, 11, 2024, 3, 4, 5)
        .Ints({2, 2, 4, 5})
        .Bytes({1, 1, 0, 1, 1, 0})
        .Ints({300, 400, 50});
    b.Int(1)  // Timer
        .Text(u"Tea")
        .Ints({1, 2, 3, 4})
        .Int(93784)
        .Byte(1)
        .Text(u"Tea is ready.\r\nEnjoy!")
        .Byte(1)
        .Text(u"C:\\Windows\\Media\\chimes.wav")
        .Byte(0)  // repetition 1, inverted
        .Bytes({1, 1, 1, 0, 1})
        .Ints({5, 6, 10});
    b.Int(1)  // Counter
        .Text(u"Holidays")
        .Byte(0)  // mode 1, inverted
        .Time(1, 7, 2024, 0, 0, 0)
        .Time(15, 8, 2024, 18, 0, 0)
        .Ints({45, 18, 0, 0})
        .Byte(1)
        .Text(u"Off we go")
        .Byte(1)
        .Text(u"bell.wav")
        .Bytes({0, 0, 0, 1, 1, 0})
        .Ints({700, 80, 20});
    b.Int(1)  // StickyNote
        .Text(u"Note")
        .Text(u"Buy milk\r\n\U0001F95B and bread")
        .Int(2)
        .Bytes({1, 1})
        .Ints({50, 60, 220, 180, 40});
    b.Int(1)  // Stopwatch
        .Text(u"Run")
        .Ints({1, 2, 3})
        .Int(3)
        .Ints({0, 10, 5, 0, 21, 40, 1, 2, 3})
        .Bytes({1, 0, 1, 0})
        .Ints({11, 12, 60});
    return b.File();
}

std::string Rejection(const std::vector<std::uint8_t>& file) {
    const StoreDecodeResult result = DecodeTaskStore(file);
    EXPECT_FALSE(result.store.has_value());
    return result.error;
}

TEST(StoreCodec, AnEmptyStoreIsTheLengthAndEightZeroCounts) {
    const std::vector<std::uint8_t> expected = StoreBytes().Ints({0, 0, 0, 0, 0, 0, 0, 0}).File();
    ASSERT_EQ(expected.size(), 36u);
    EXPECT_EQ(EncodeTaskStore(TaskStore{}), expected);
    const StoreDecodeResult result = DecodeTaskStore(expected);
    ASSERT_TRUE(result.store.has_value()) << result.error;
    EXPECT_EQ(*result.store, TaskStore{});
}

TEST(StoreCodec, EveryKindIsWrittenFieldByFieldInFileOrder) {
    const std::vector<std::uint8_t> expected = SampleStoreFile();
    EXPECT_EQ(EncodeTaskStore(SampleStore()), expected);
    const StoreDecodeResult result = DecodeTaskStore(expected);
    ASSERT_TRUE(result.store.has_value()) << result.error;
    EXPECT_EQ(*result.store, SampleStore());
}

TEST(StoreCodec, ManyTasksOfEveryKindRoundTripInSequenceOrder) {
    const TaskStore store = testing::MixedStore(203);
    const StoreDecodeResult result = DecodeTaskStore(EncodeTaskStore(store));
    ASSERT_TRUE(result.store.has_value()) << result.error;
    EXPECT_EQ(*result.store, store);
    EXPECT_EQ(result.store->timer.at(3).title, u"TeaC") << "the 4th timer is the 29th task";
}

TEST(StoreCodec, EmptyTextIsStoredAsOneSpaceAndLoadsAsOneSpace) {
    TaskStore store;
    store.stickyNote.emplace_back();
    const std::vector<std::uint8_t> file = EncodeTaskStore(store);
    const std::vector<std::uint8_t> expected = StoreBytes()
                                                   .Ints({0, 0, 0, 0, 0, 0, 1})
                                                   .Text(u" ")
                                                   .Text(u" ")
                                                   .Int(0)
                                                   .Bytes({0, 0})
                                                   .Ints({0, 0, 0, 0, 0, 0})
                                                   .File();
    EXPECT_EQ(file, expected);
    EXPECT_EQ(DecodeTaskStore(file).store->stickyNote.at(0).title, u" ");
}

TEST(StoreCodec, StoredBytesReadBackAsTheirChoices) {
    // One Internet task with every byte field set to 0, 1 or 2 in turn.
    const auto internetFile = [](std::uint8_t action, std::uint8_t atIn, std::uint8_t flag) {
        return StoreBytes()
            .Ints({0, 0, 1})
            .Text(u"t")
            .Byte(action)
            .Text(u"")  // a length of 0 is read as empty text
            .Byte(atIn)
            .Time(1, 1, 2024, 0, 0, 0)
            .Time(1, 1, 2024, 0, 0, 0)
            .Ints({0, 0, 0})
            .Bytes({flag, flag, flag, flag, flag})
            .Ints({0, 0, 0})
            .Ints({0, 0, 0, 0, 0})
            .File();
    };
    const auto read = [](const std::vector<std::uint8_t>& file) {
        const StoreDecodeResult result = DecodeTaskStore(file);
        EXPECT_TRUE(result.store.has_value()) << result.error;
        return result.store ? result.store->internet.at(0) : InternetTask{};
    };
    InternetTask task = read(internetFile(1, 0, 0));
    EXPECT_EQ(task.action, 0);
    EXPECT_EQ(task.atInChoice, 1);
    EXPECT_EQ(task.entryName, u"");
    EXPECT_FALSE(task.removeAfterEnd);
    task = read(internetFile(0, 7, 2));
    EXPECT_EQ(task.action, 1);
    EXPECT_EQ(task.atInChoice, 0) << "any byte but 0 is choice 0";
    EXPECT_TRUE(task.removeAfterEnd && task.shown && task.alwaysOnTop) << "any byte but 0";

    // A choice other than 0 or 1 is stored as the byte of choice 1.
    TaskStore store;
    store.internet.push_back(task);
    store.internet[0].action = 5;
    EXPECT_EQ(DecodeTaskStore(EncodeTaskStore(store)).store->internet.at(0).action, 1);
}

TEST(StoreCodec, WhatTheFileDoesNotHoldComesBackAsZero) {
    TaskStore store = SampleStore();
    store.application[0].target.millisecond = 500;
    store.printScreen[0].executeFor.days = 3;
    store.printScreen[0].repeatPeriod.days = 1;
    store.internet[0].delay.days = 2;
    store.stopwatch[0].elapsed.days = 4;
    store.stopwatch[0].checkpoints[0].days = 5;
    const TaskStore loaded = DecodeTaskStore(EncodeTaskStore(store)).store.value();
    EXPECT_EQ(loaded, SampleStore());
}

TEST(StoreCodec, AFileCutShortAnywhereIsRejectedEvenWithAMatchingLength) {
    const std::vector<std::uint8_t> whole = EncodeTaskStore(testing::MixedStore(16));
    for (std::size_t size = kEmptyStoreSize; size < whole.size(); ++size) {
        std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + size);
        FixLength(cut);
        ASSERT_FALSE(DecodeTaskStore(cut).store.has_value()) << "cut to " << size;
    }
    std::vector<std::uint8_t> longer = whole;
    longer.push_back(0);
    FixLength(longer);
    EXPECT_THAT(Rejection(longer), HasSubstr("1 bytes follow the last section"));
}

TEST(StoreCodec, TheLengthFieldMustBeTheFileSize) {
    std::vector<std::uint8_t> file = EncodeTaskStore(SampleStore());
    file[0] += 1;
    EXPECT_THAT(Rejection(file), HasSubstr("length field"));
    file = EncodeTaskStore(TaskStore{});
    file.pop_back();
    FixLength(file);
    EXPECT_THAT(Rejection(file), HasSubstr("at least 36"));
    EXPECT_THAT(Rejection({}), HasSubstr("has 0 bytes"));
    file = StoreBytes().Ints({0, 0, 0, 0, 0, 0, 0, 0}).File();
    file[3] = 0x80;  // negative
    EXPECT_THAT(Rejection(file), HasSubstr("length field"));
}

TEST(StoreCodec, CountsAndLengthsThatRunPastTheEndAreDamage) {
    const int max = std::numeric_limits<std::int32_t>::max();
    // A stopwatch "Run": its section count is at 32, the title's length at 36, the checkpoint
    // count at 58; an empty power section count at 16.
    const std::vector<std::uint8_t> good = StoreBytes()
                                               .Ints({0, 0, 0, 0, 0, 0, 0, 1})
                                               .Text(u"Run")
                                               .Ints({0, 0, 0})
                                               .Int(1)
                                               .Ints({0, 0, 1})
                                               .Bytes({0, 0, 0, 0})
                                               .Ints({0, 0, 0})
                                               .File();
    ASSERT_TRUE(DecodeTaskStore(good).store.has_value());
    const auto with = [&](std::size_t offset, std::int32_t value) {
        std::vector<std::uint8_t> file = good;
        for (int i = 0; i < 4; ++i) {
            file[offset + i] =
                static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> 8 * i);
        }
        return Rejection(file);
    };
    EXPECT_THAT(with(16, -1), HasSubstr("section Power: negative count -1 at offset 16"));
    EXPECT_THAT(with(16, 1), HasSubstr("section Power: 1 tasks at offset 16 need more"));
    EXPECT_THAT(with(32, max), HasSubstr("section Stopwatch: 2147483647 tasks"));
    EXPECT_THAT(with(36, -2), HasSubstr("Stopwatch task 1, title: negative length -2"));
    EXPECT_THAT(with(36, 1000), HasSubstr("Stopwatch task 1, title: length 1000 at offset 36"));
    EXPECT_THAT(with(36, max), HasSubstr("title: length 2147483647"));
    EXPECT_THAT(with(58, 3), HasSubstr("Stopwatch task 1, checkpoints: count 3"));
    EXPECT_THAT(with(58, -1), HasSubstr("checkpoints: negative count"));
    // A shorter title leaves its last bytes to be read as the next fields: still caught.
    EXPECT_FALSE(with(36, 2).empty());
}

}  // namespace
}  // namespace tockly
