// What nearly every test file includes, compiled once for all test programs.
// Only library headers: a project header here would be seen by tests that
// declare classes of the same names for themselves.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
