#pragma once

#include "core/store/CppSQLite3Exception.h"

#include <gtest/gtest.h>

// Runs statement, expecting the layer's exception with exactly this code and message.
#define EXPECT_SQL_ERROR(statement, expectedCode, expectedMessage)                                 \
    try {                                                                                          \
        statement;                                                                                 \
        ADD_FAILURE() << "no exception from " #statement;                                          \
    } catch (const CppSQLite3Exception& e) {                                                       \
        EXPECT_EQ(e.code(), expectedCode) << #statement;                                           \
        EXPECT_STREQ(e.message(), expectedMessage) << #statement;                                  \
    }
