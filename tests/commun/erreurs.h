// SPDX-License-Identifier: GPL-3.0-or-later
// What a call says on standard error, for the tests that check its lines.
#ifndef VORLEN_TESTS_ERREURS_H
#define VORLEN_TESTS_ERREURS_H

#include <gtest/gtest.h>

#include <functional>
#include <string>

inline std::string erreursDe(const std::function<void()>& f) {
    ::testing::internal::CaptureStderr();
    f();
    return ::testing::internal::GetCapturedStderr();
}

#endif
