#pragma once
#include "support/window_test.h"
