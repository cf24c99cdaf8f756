#include "payload_resource.h"
#include "test_support.h"

#include <gtest/gtest.h>

TEST(LoadPayloadResource, ReturnsTheModulesOwnBytes) {
    size_t size = 0;
    const void* data = LoadPayloadResource(201, L"TESTDATA", &size);
    ASSERT_NE(data, nullptr);
    std::string actual(static_cast<const char*>(data), size);
    EXPECT_EQ(actual, std::string("payload bytes\x00\x01\x02\xff end", 21));
}

TEST(LoadPayloadResource, MissingOrEmptyGivesNoneAndKeepsTheSize) {
    size_t size = 1234;
    EXPECT_EQ(LoadPayloadResource(203, L"TESTDATA", &size), nullptr);
    EXPECT_EQ(LoadPayloadResource(201, L"APP", &size), nullptr);
    EXPECT_EQ(LoadPayloadResource(202, L"TESTDATA", &size), nullptr);
    EXPECT_EQ(size, 1234u);
}
