#pragma once
#include "high/top.h"
